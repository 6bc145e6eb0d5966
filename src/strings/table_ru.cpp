#include "strings/tables.h"

// Russian.
const UiStrings UI_STRINGS_RU = {{
    "Segoe UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} снимок · {pin} закрепить",  // TRAY_TOOLTIP
    "Сделать снимок",  // MENU_CAPTURE
    "Закрепить изображение из буфера обмена",  // MENU_PIN_CLIPBOARD
    "Показать / скрыть закреплённые изображения",  // MENU_SHOW_HIDE_PINS
    "Закрыть все закреплённые изображения",  // MENU_CLOSE_ALL_PINS
    "Восстановить последнее закрытое изображение",  // MENU_RESTORE_CLOSED_PIN
    "Запускать вместе с Windows",  // MENU_START_WITH_WINDOWS
    "Параметры…",  // MENU_SETTINGS
    "Перезагрузить параметры",  // MENU_RELOAD_SETTINGS
    "Открыть папку снимков экрана",  // MENU_OPEN_SCREENSHOT_FOLDER
    "Выход",  // MENU_EXIT
    "Закрепить",  // TOOLBAR_PIN
    "Сохранить",  // TOOLBAR_SAVE
    "Копировать",  // TOOLBAR_COPY
    "Отмена",  // TOOLBAR_CANCEL
    "C копировать · Shift формат",  // MAGNIFIER_HINT
    "Копировать\tCtrl+C",  // PIN_MENU_COPY
    "Сохранить как…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "Исходный размер\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "Непрозрачность",  // PIN_MENU_OPACITY
    "Закрыть\tEsc",  // PIN_MENU_CLOSE
    "Закрыть все закреплённые изображения",  // PIN_MENU_CLOSE_ALL
    "Непрозрачность",  // OPACITY_CAPTION
    "Ormick Oxel запущен",  // BALLOON_RUNNING_TITLE
    "{cap}: снимок экрана, {pin}: закрепить изображение из буфера обмена. Чтобы открыть меню, щёлкните значок в области уведомлений правой кнопкой мыши.",  // BALLOON_RUNNING_TEXT
    "Сочетание клавиш занято",  // BALLOON_HOTKEY_IN_USE_TITLE
    "{keys} занято другой программой (напр., средством для снимков). Закройте её и выберите «Перезагрузить параметры» в меню значка или другую клавишу в параметрах.",  // BALLOON_HOTKEY_IN_USE_TEXT
    "В буфере обмена нет изображения",  // NO_IMAGE_ON_CLIPBOARD
    "Сохранено",  // SAVED
    "Не удалось сохранить",  // SAVE_FAILED
    "Изображение PNG (*.png)",  // FILTER_PNG
    "Прямоугольник",  // TOOL_RECTANGLE
    "Эллипс",  // TOOL_ELLIPSE
    "Стрелка",  // TOOL_ARROW
    "Линия / ломаная",  // TOOL_LINE
    "Перо",  // TOOL_PEN
    "Маркер",  // TOOL_HIGHLIGHTER
    "Мозаика",  // TOOL_MOSAIC
    "Текст",  // TOOL_TEXT
    "Номер",  // TOOL_NUMBER
    "Прожектор",  // TOOL_SPOTLIGHT
    "Ластик",  // TOOL_ERASER
    "Отменить",  // TOOL_UNDO
    "Вернуть",  // TOOL_REDO
    "Готово",  // TOOL_DONE
    "Другой цвет",  // TOOL_CUSTOM_COLOR
    "Заливка",  // STYLE_FILL
    "Область",  // STYLE_BOX
    "Размытие",  // STYLE_BLUR
    "Обводка",  // STYLE_OUTLINE
    "Удалить ваши пометки?",  // CONFIRM_DISCARD_ANNOTATIONS
    "Добавить пометки\tПробел",  // PIN_MENU_ANNOTATE
    "Скрыть пометки",  // PIN_MENU_HIDE_ANNOTATIONS
    "Показать пометки",  // PIN_MENU_SHOW_ANNOTATIONS
    "Распознать текст",  // TOOLBAR_RECOGNIZE_TEXT
    "Распознанный текст — Ormick Oxel",  // OCR_WINDOW_TITLE
    "Копировать и закрыть",  // OCR_COPY_AND_CLOSE
    "Закрыть",  // OCR_CLOSE
    "Сохранять переносы строк",  // OCR_KEEP_LINE_BREAKS
    "Текст не найден",  // OCR_NO_TEXT
    "Не удалось распознать текст",  // OCR_FAILED
    "Распознать текст\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "Изображение",  // PIN_MENU_IMAGE
    "Повернуть влево",  // PIN_MENU_ROTATE_LEFT
    "Повернуть вправо",  // PIN_MENU_ROTATE_RIGHT
    "Отразить по горизонтали",  // PIN_MENU_FLIP_H
    "Отразить по вертикали",  // PIN_MENU_FLIP_V
    "Оттенки серого",  // PIN_MENU_GRAYSCALE
    "Инвертировать цвета",  // PIN_MENU_INVERT
    "Миниатюра\tShift+двойной щелчок",  // PIN_MENU_THUMBNAIL
    "Заблокировать положение и размер",  // PIN_MENU_LOCK
    "Пропускать щелчки",  // PIN_MENU_CLICK_THROUGH
    "Печать…",  // PIN_MENU_PRINT
    "Снимок через 3 секунды",  // MENU_CAPTURE_DELAYED
    "Сделать снимок и скопировать",  // MENU_CAPTURE_COPY
    "Журнал",  // MENU_HISTORY
    "Закрепить последний снимок",  // MENU_PIN_LAST_CAPTURE
    "Открыть папку журнала",  // MENU_OPEN_HISTORY_FOLDER
    "Отключить пропуск щелчков для всех закреплённых изображений",  // MENU_CLICK_THROUGH_OFF_ALL
    "Изображение JPEG (*.jpg)",  // FILTER_JPEG
    "Документ PDF (*.pdf)",  // FILTER_PDF
    "Журнал снимков пока пуст",  // HISTORY_EMPTY
    "Элемент",  // DETECT_ELEMENT_LABEL
    "ru",  // LANG_CODE
    "Снимок с прокруткой",  // TOOLBAR_SCROLL_CAPTURE
    "Запись",  // TOOLBAR_RECORD
    "QR-код",  // TOOLBAR_QR
    "Скрыть личные данные",  // TOOLBAR_REDACT
    "Личные данные не найдены (адреса эл. почты, номера телефонов, документов и карт, пароли…)",  // REDACT_NOTHING_FOUND
    "Язык",  // OCR_LANGUAGE_LABEL
    "Автоматически (все установленные языки)",  // OCR_LANGUAGE_AUTO
    "Добавить язык…",  // OCR_ADD_LANGUAGE
    "Распознавание…",  // OCR_RECOGNIZING
    "Живое закрепление",  // TOOLBAR_LIVE_PIN
    "Прокрутите вниз (или нажмите «Автопрокрутка»)",  // SCROLL_HINT
    "Автопрокрутка",  // SCROLL_AUTO
    "Идёт автопрокрутка; чтобы остановить, уведите мышь в сторону",  // SCROLL_AUTO_RUNNING
    "Достигнут конец",  // SCROLL_END_REACHED
    "Достигнута максимальная длина",  // SCROLL_MAX_LENGTH
    "Слишком быстрая прокрутка, прокрутите немного назад",  // SCROLL_TOO_FAST
    "Снимок с прокруткой скопирован",  // SCROLL_COPIED
    "Идёт запись",  // RECORD_RECORDING
    "■ Стоп",  // RECORD_STOP_BUTTON
    "Запись сохранена",  // RECORD_SAVED
    "Файл в буфере обмена, его можно вставить",  // RECORD_ON_CLIPBOARD
    "Ошибка записи",  // RECORD_FAILED
    "Остановить запись",  // MENU_STOP_RECORDING
    "QR-код — Ormick Oxel",  // QR_WINDOW_TITLE
    "QR-код не найден",  // QR_NOT_FOUND
    "Открыть ссылку",  // OPEN_LINK
    "Перевести",  // TRANSLATE
    "Текст слишком длинный: он скопирован, вставьте его на странице перевода",  // TRANSLATE_TEXT_TOO_LONG
    "Копировать текущий вид\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "Сделать обычным закреплённым изображением (без обновления)",  // LIVE_MENU_MAKE_STATIC
    "Выберите область внутри окна для живого закрепления",  // LIVE_PIN_HINT
    "Параметры Ormick Oxel",  // PREFS_TITLE
    "Сочетания клавиш",  // PREFS_HOTKEYS
    "Щёлкните поле и нажмите новое сочетание клавиш. Backspace очищает его (отключено).",  // PREFS_HOTKEY_HINT
    "(нет)",  // PREFS_HOTKEY_NONE
    "Нажмите клавиши…",  // PREFS_HOTKEY_PRESS_KEYS
    "Используется другой программой",  // PREFS_HOTKEY_IN_USE
    "Совпадает с «{name}»",  // PREFS_HOTKEY_SAME_AS
    "Добавьте Ctrl, Alt или Win",  // PREFS_HOTKEY_NEED_MODIFIER
    "Общие",  // PREFS_GENERAL
    "Папка для сохранения",  // PREFS_SAVE_FOLDER
    "Изображения (по умолчанию)",  // PREFS_SAVE_FOLDER_DEFAULT
    "Обзор…",  // PREFS_BROWSE
    "Хранить последние снимки",  // PREFS_HISTORY
    "(0 = выкл.)",  // PREFS_HISTORY_OFF_HINT
    "Снимок с экономией памяти (GDI: ОЗУ на ~30 МБ меньше, каждый снимок на ~60 мс медленнее)",  // PREFS_LOW_MEMORY
    "Автовыделение",  // PREFS_DETECT_AUTO
    "Окна целиком",  // PREFS_DETECT_WINDOWS
    "Элементы интерфейса в окнах",  // PREFS_DETECT_ELEMENTS
    "Переключается клавишей Tab",  // PREFS_DETECT_TAB_HINT
    "Формат",  // PREFS_RECORD_FORMAT
    "Кадров в секунду",  // PREFS_RECORD_FPS
    "(для GIF не более 15)",  // PREFS_RECORD_FPS_HINT
    "Показывать указатель мыши",  // PREFS_RECORD_CURSOR
    "Язык перевода",  // PREFS_TRANSLATE_INTO
    "Как в интерфейсе",  // PREFS_TRANSLATE_SAME_AS_UI
    "Изменить файл параметров…",  // PREFS_EDIT_FILE
    "Не установлен ни один язык распознавания текста. Добавьте его в языковых параметрах Windows.",  // OCR_NO_LANGUAGE
    "Изображение слишком велико для распознавания текста.",  // OCR_IMAGE_TOO_LARGE
    "Не удалось создать живое закрепление: {name}",  // LIVE_PIN_FAILED
    "Не удалось скопировать",  // COPY_FAILED
    "Буфер обмена занят другой программой. Попробуйте ещё раз.",  // CLIPBOARD_BUSY
    "Не удалось изменить «Запускать вместе с Windows»",  // AUTOSTART_FAILED
    "Не удалось напечатать",  // PRINT_FAILED
    "Не удалось прочитать файл параметров",  // SETTINGS_READ_FAILED
    "Не записано ни одного кадра",  // RECORD_NO_FRAME
    "Не удалось открыть окно результата",  // RESULT_WINDOW_FAILED
    "Текст в буфере обмена, его можно вставить",  // TEXT_ON_CLIPBOARD
    "Не удалось сделать снимок",  // CAPTURE_FAILED
    "Недостаточно памяти для изображений экрана: закройте несколько программ и повторите попытку",  // CAPTURE_NO_MEMORY
    "Изображение слишком велико для закрепления ({name}). Можно закрепить изображения размером до 268 миллионов пикселей.",  // PIN_IMAGE_TOO_LARGE
    "Сочетание клавиш не работает",  // HOTKEY_PROBLEM_TITLE
    "{name}={keys} в settings.ini — не сочетание клавиш, поэтому оно отключено.",  // HOTKEY_NOT_A_KEY
    "«{name}» и «{other}» назначены на {keys}: работает только «{name}».",  // HOTKEY_SAME_KEY
    "Снимок не сохранён в истории",  // HISTORY_NOT_KEPT
    "Копирование, сохранение и закрепление работают, но снимки не попадают в историю, пока в неё снова нельзя будет записать.",  // HISTORY_NOT_KEPT_TEXT
    "Для записи в MP4 нужен Windows Media Foundation, а он не установлен (в выпусках Windows N и KN добавьте Media Feature Pack). Запись в GIF работает без него.",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
