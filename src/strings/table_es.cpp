#include "strings/tables.h"

// Spanish.
const UiStrings UI_STRINGS_ES = {{
    "Segoe UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} capturar · {pin} anclar",  // TRAY_TOOLTIP
    "Capturar",  // MENU_CAPTURE
    "Anclar imagen del portapapeles",  // MENU_PIN_CLIPBOARD
    "Mostrar / ocultar todas las imágenes ancladas",  // MENU_SHOW_HIDE_PINS
    "Cerrar todas las imágenes ancladas",  // MENU_CLOSE_ALL_PINS
    "Restaurar la última imagen anclada cerrada",  // MENU_RESTORE_CLOSED_PIN
    "Iniciar con Windows",  // MENU_START_WITH_WINDOWS
    "Configuración…",  // MENU_SETTINGS
    "Recargar configuración",  // MENU_RELOAD_SETTINGS
    "Abrir carpeta de capturas de pantalla",  // MENU_OPEN_SCREENSHOT_FOLDER
    "Salir",  // MENU_EXIT
    "Anclar",  // TOOLBAR_PIN
    "Guardar",  // TOOLBAR_SAVE
    "Copiar",  // TOOLBAR_COPY
    "Cancelar",  // TOOLBAR_CANCEL
    "C copiar · Mayús formato",  // MAGNIFIER_HINT
    "Copiar\tCtrl+C",  // PIN_MENU_COPY
    "Guardar como…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "Tamaño real\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "Opacidad",  // PIN_MENU_OPACITY
    "Cerrar\tEsc",  // PIN_MENU_CLOSE
    "Cerrar todas las imágenes ancladas",  // PIN_MENU_CLOSE_ALL
    "Opacidad",  // OPACITY_CAPTION
    "Ormick Oxel se está ejecutando",  // BALLOON_RUNNING_TITLE
    "{cap} para capturar, {pin} para anclar la imagen del portapapeles. Haz clic con el botón derecho en el icono de la bandeja para ver el menú.",  // BALLOON_RUNNING_TEXT
    "Tecla de acceso rápido en uso",  // BALLOON_HOTKEY_IN_USE_TITLE
    "Otro programa usa {keys} (p. ej., otra herramienta de captura). Ciérralo y elige «Recargar configuración» en el menú de la bandeja o cambia la tecla en Configuración.",  // BALLOON_HOTKEY_IN_USE_TEXT
    "No hay ninguna imagen en el portapapeles",  // NO_IMAGE_ON_CLIPBOARD
    "Guardado",  // SAVED
    "Error al guardar",  // SAVE_FAILED
    "Imagen PNG (*.png)",  // FILTER_PNG
    "Rectángulo",  // TOOL_RECTANGLE
    "Elipse",  // TOOL_ELLIPSE
    "Flecha",  // TOOL_ARROW
    "Línea / polilínea",  // TOOL_LINE
    "Lápiz",  // TOOL_PEN
    "Resaltador",  // TOOL_HIGHLIGHTER
    "Mosaico",  // TOOL_MOSAIC
    "Texto",  // TOOL_TEXT
    "Número",  // TOOL_NUMBER
    "Foco",  // TOOL_SPOTLIGHT
    "Borrador",  // TOOL_ERASER
    "Deshacer",  // TOOL_UNDO
    "Rehacer",  // TOOL_REDO
    "Listo",  // TOOL_DONE
    "Color personalizado",  // TOOL_CUSTOM_COLOR
    "Relleno",  // STYLE_FILL
    "Área",  // STYLE_BOX
    "Desenfoque",  // STYLE_BLUR
    "Contorno",  // STYLE_OUTLINE
    "¿Descartar tus anotaciones?",  // CONFIRM_DISCARD_ANNOTATIONS
    "Anotar\tEspacio",  // PIN_MENU_ANNOTATE
    "Ocultar anotaciones",  // PIN_MENU_HIDE_ANNOTATIONS
    "Mostrar anotaciones",  // PIN_MENU_SHOW_ANNOTATIONS
    "Reconocer texto",  // TOOLBAR_RECOGNIZE_TEXT
    "Texto reconocido — Ormick Oxel",  // OCR_WINDOW_TITLE
    "Copiar y cerrar",  // OCR_COPY_AND_CLOSE
    "Cerrar",  // OCR_CLOSE
    "Mantener saltos de línea",  // OCR_KEEP_LINE_BREAKS
    "No se encontró texto",  // OCR_NO_TEXT
    "Error al reconocer el texto",  // OCR_FAILED
    "Reconocer texto\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "Imagen",  // PIN_MENU_IMAGE
    "Girar a la izquierda",  // PIN_MENU_ROTATE_LEFT
    "Girar a la derecha",  // PIN_MENU_ROTATE_RIGHT
    "Voltear horizontalmente",  // PIN_MENU_FLIP_H
    "Voltear verticalmente",  // PIN_MENU_FLIP_V
    "Escala de grises",  // PIN_MENU_GRAYSCALE
    "Invertir colores",  // PIN_MENU_INVERT
    "Miniatura\tMayús+doble clic",  // PIN_MENU_THUMBNAIL
    "Bloquear posición y tamaño",  // PIN_MENU_LOCK
    "Dejar pasar los clics",  // PIN_MENU_CLICK_THROUGH
    "Imprimir…",  // PIN_MENU_PRINT
    "Capturar en 3 segundos",  // MENU_CAPTURE_DELAYED
    "Capturar y copiar",  // MENU_CAPTURE_COPY
    "Historial",  // MENU_HISTORY
    "Anclar la última captura",  // MENU_PIN_LAST_CAPTURE
    "Abrir carpeta del historial",  // MENU_OPEN_HISTORY_FOLDER
    "Desactivar el paso de clics en todas las imágenes ancladas",  // MENU_CLICK_THROUGH_OFF_ALL
    "Imagen JPEG (*.jpg)",  // FILTER_JPEG
    "Documento PDF (*.pdf)",  // FILTER_PDF
    "Aún no hay historial de capturas",  // HISTORY_EMPTY
    "Elemento",  // DETECT_ELEMENT_LABEL
    "es",  // LANG_CODE
    "Captura con desplazamiento",  // TOOLBAR_SCROLL_CAPTURE
    "Grabar",  // TOOLBAR_RECORD
    "Código QR",  // TOOLBAR_QR
    "Ocultar datos personales",  // TOOLBAR_REDACT
    "No se encontraron datos personales (correos, teléfonos, números de documento y de tarjeta, contraseñas…)",  // REDACT_NOTHING_FOUND
    "Idioma",  // OCR_LANGUAGE_LABEL
    "Automático (todos los idiomas instalados)",  // OCR_LANGUAGE_AUTO
    "Agregar un idioma…",  // OCR_ADD_LANGUAGE
    "Reconociendo…",  // OCR_RECOGNIZING
    "Anclaje en vivo",  // TOOLBAR_LIVE_PIN
    "Desplázate hacia abajo (o pulsa «Desplazamiento automático»)",  // SCROLL_HINT
    "Desplazamiento automático",  // SCROLL_AUTO
    "Desplazamiento automático en curso; aleja el mouse para detenerlo",  // SCROLL_AUTO_RUNNING
    "Se llegó al final",  // SCROLL_END_REACHED
    "Se alcanzó la longitud máxima",  // SCROLL_MAX_LENGTH
    "Desplazamiento demasiado rápido, vuelve un poco atrás",  // SCROLL_TOO_FAST
    "Captura con desplazamiento copiada",  // SCROLL_COPIED
    "Grabando",  // RECORD_RECORDING
    "■ Detener",  // RECORD_STOP_BUTTON
    "Grabación guardada",  // RECORD_SAVED
    "El archivo está en el portapapeles, listo para pegar",  // RECORD_ON_CLIPBOARD
    "Error en la grabación",  // RECORD_FAILED
    "Detener grabación",  // MENU_STOP_RECORDING
    "Código QR — Ormick Oxel",  // QR_WINDOW_TITLE
    "No se encontró ningún código QR",  // QR_NOT_FOUND
    "Abrir vínculo",  // OPEN_LINK
    "Traducir",  // TRANSLATE
    "Texto demasiado largo: se copió, pégalo en la página de traducción",  // TRANSLATE_TEXT_TOO_LONG
    "Copiar la vista actual\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "Convertir en imagen anclada normal (dejar de actualizar)",  // LIVE_MENU_MAKE_STATIC
    "Selecciona una región dentro de una ventana para anclarla en vivo",  // LIVE_PIN_HINT
    "Configuración de Ormick Oxel",  // PREFS_TITLE
    "Teclas de acceso rápido",  // PREFS_HOTKEYS
    "Haz clic en un cuadro y pulsa la nueva combinación de teclas. Retroceso la borra (desactivada).",  // PREFS_HOTKEY_HINT
    "(ninguna)",  // PREFS_HOTKEY_NONE
    "Pulsa las teclas…",  // PREFS_HOTKEY_PRESS_KEYS
    "La usa otro programa",  // PREFS_HOTKEY_IN_USE
    "Igual que «{name}»",  // PREFS_HOTKEY_SAME_AS
    "Agrega Ctrl, Alt o Win",  // PREFS_HOTKEY_NEED_MODIFIER
    "General",  // PREFS_GENERAL
    "Carpeta de guardado",  // PREFS_SAVE_FOLDER
    "Imágenes (predeterminada)",  // PREFS_SAVE_FOLDER_DEFAULT
    "Examinar…",  // PREFS_BROWSE
    "Conservar capturas recientes",  // PREFS_HISTORY
    "(0 = desactivado)",  // PREFS_HISTORY_OFF_HINT
    "Captura con poca memoria (GDI: ~30 MB menos de RAM, cada captura ~60 ms más lenta)",  // PREFS_LOW_MEMORY
    "Selección automática",  // PREFS_DETECT_AUTO
    "Ventanas completas",  // PREFS_DETECT_WINDOWS
    "Elementos de interfaz de las ventanas",  // PREFS_DETECT_ELEMENTS
    "Se cambia con Tab",  // PREFS_DETECT_TAB_HINT
    "Formato",  // PREFS_RECORD_FORMAT
    "Fotogramas por segundo",  // PREFS_RECORD_FPS
    "(GIF como máximo 15)",  // PREFS_RECORD_FPS_HINT
    "Dibujar el puntero del mouse",  // PREFS_RECORD_CURSOR
    "Traducir a",  // PREFS_TRANSLATE_INTO
    "Igual que la interfaz",  // PREFS_TRANSLATE_SAME_AS_UI
    "Editar archivo de configuración…",  // PREFS_EDIT_FILE
    "No hay ningún idioma de reconocimiento de texto instalado. Añada uno en la configuración de idioma de Windows.",  // OCR_NO_LANGUAGE
    "La imagen es demasiado grande para el reconocimiento de texto.",  // OCR_IMAGE_TOO_LARGE
    "No se pudo crear el anclaje en vivo: {name}",  // LIVE_PIN_FAILED
    "Error al copiar",  // COPY_FAILED
    "Otro programa está usando el portapapeles. Inténtalo de nuevo.",  // CLIPBOARD_BUSY
    "No se pudo cambiar «Iniciar con Windows»",  // AUTOSTART_FAILED
    "Error al imprimir",  // PRINT_FAILED
    "No se pudo leer el archivo de configuración",  // SETTINGS_READ_FAILED
    "No se grabó ningún fotograma",  // RECORD_NO_FRAME
    "No se pudo abrir la ventana de resultados",  // RESULT_WINDOW_FAILED
    "El texto está en el portapapeles, listo para pegar",  // TEXT_ON_CLIPBOARD
    "Error en la captura",  // CAPTURE_FAILED
    "No hay memoria suficiente para las imágenes de la pantalla: cierre algunos programas y vuelva a intentarlo",  // CAPTURE_NO_MEMORY
    "La imagen es demasiado grande para anclarla ({name}). Se pueden anclar imágenes de hasta 268 millones de píxeles.",  // PIN_IMAGE_TOO_LARGE
    "La tecla de acceso rápido no funciona",  // HOTKEY_PROBLEM_TITLE
    "{name}={keys} en settings.ini no es una combinación de teclas, así que ese atajo está desactivado.",  // HOTKEY_NOT_A_KEY
    "«{name}» y «{other}» usan {keys}: solo funciona «{name}».",  // HOTKEY_SAME_KEY
    "La captura no se guardó en el historial",  // HISTORY_NOT_KEPT
    "Copiar, guardar y fijar siguen funcionando, pero las capturas no se guardan en el historial hasta que se pueda escribir de nuevo.",  // HISTORY_NOT_KEPT_TEXT
    "Grabar en MP4 requiere Windows Media Foundation, que no está instalado (en las ediciones N y KN de Windows, añada el Media Feature Pack). La grabación en GIF funciona sin él.",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
