#include "strings/tables.h"

// Korean.
const UiStrings UI_STRINGS_KO = {{
    "Malgun Gothic",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} 캡처 · {pin} 고정",  // TRAY_TOOLTIP
    "캡처",  // MENU_CAPTURE
    "클립보드 이미지 고정",  // MENU_PIN_CLIPBOARD
    "모든 고정 이미지 표시/숨기기",  // MENU_SHOW_HIDE_PINS
    "모든 고정 이미지 닫기",  // MENU_CLOSE_ALL_PINS
    "마지막으로 닫은 고정 이미지 복원",  // MENU_RESTORE_CLOSED_PIN
    "Windows 시작 시 실행",  // MENU_START_WITH_WINDOWS
    "설정…",  // MENU_SETTINGS
    "설정 다시 불러오기",  // MENU_RELOAD_SETTINGS
    "스크린샷 폴더 열기",  // MENU_OPEN_SCREENSHOT_FOLDER
    "끝내기",  // MENU_EXIT
    "고정",  // TOOLBAR_PIN
    "저장",  // TOOLBAR_SAVE
    "복사",  // TOOLBAR_COPY
    "취소",  // TOOLBAR_CANCEL
    "C 복사 · Shift 형식 전환",  // MAGNIFIER_HINT
    "복사\tCtrl+C",  // PIN_MENU_COPY
    "다른 이름으로 저장…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "실제 크기\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "불투명도",  // PIN_MENU_OPACITY
    "닫기\tEsc",  // PIN_MENU_CLOSE
    "모든 고정 이미지 닫기",  // PIN_MENU_CLOSE_ALL
    "불투명도",  // OPACITY_CAPTION
    "Ormick Oxel 실행 중",  // BALLOON_RUNNING_TITLE
    "{cap} 키로 캡처하고 {pin} 키로 클립보드 이미지를 고정합니다. 메뉴를 보려면 트레이 아이콘을 마우스 오른쪽 단추로 클릭하세요.",  // BALLOON_RUNNING_TEXT
    "단축키가 이미 사용 중입니다",  // BALLOON_HOTKEY_IN_USE_TITLE
    "{keys}을(를) 다른 프로그램(예: 다른 스크린샷 도구)에서 사용하고 있습니다. 해당 프로그램을 닫고 트레이 메뉴에서 '설정 다시 불러오기'를 선택하거나 설정에서 다른 키를 지정하세요.",  // BALLOON_HOTKEY_IN_USE_TEXT
    "클립보드에 이미지가 없습니다",  // NO_IMAGE_ON_CLIPBOARD
    "저장했습니다",  // SAVED
    "저장하지 못했습니다",  // SAVE_FAILED
    "PNG 이미지 (*.png)",  // FILTER_PNG
    "사각형",  // TOOL_RECTANGLE
    "타원",  // TOOL_ELLIPSE
    "화살표",  // TOOL_ARROW
    "선 / 꺾은선",  // TOOL_LINE
    "펜",  // TOOL_PEN
    "형광펜",  // TOOL_HIGHLIGHTER
    "모자이크",  // TOOL_MOSAIC
    "텍스트",  // TOOL_TEXT
    "번호",  // TOOL_NUMBER
    "스포트라이트",  // TOOL_SPOTLIGHT
    "지우개",  // TOOL_ERASER
    "실행 취소",  // TOOL_UNDO
    "다시 실행",  // TOOL_REDO
    "완료",  // TOOL_DONE
    "사용자 지정 색",  // TOOL_CUSTOM_COLOR
    "채우기",  // STYLE_FILL
    "영역",  // STYLE_BOX
    "흐리게",  // STYLE_BLUR
    "윤곽선",  // STYLE_OUTLINE
    "주석을 버리시겠습니까?",  // CONFIRM_DISCARD_ANNOTATIONS
    "주석 달기\tSpace",  // PIN_MENU_ANNOTATE
    "주석 숨기기",  // PIN_MENU_HIDE_ANNOTATIONS
    "주석 표시",  // PIN_MENU_SHOW_ANNOTATIONS
    "텍스트 인식",  // TOOLBAR_RECOGNIZE_TEXT
    "인식된 텍스트 — Ormick Oxel",  // OCR_WINDOW_TITLE
    "복사 후 닫기",  // OCR_COPY_AND_CLOSE
    "닫기",  // OCR_CLOSE
    "줄 바꿈 유지",  // OCR_KEEP_LINE_BREAKS
    "텍스트를 찾지 못했습니다",  // OCR_NO_TEXT
    "텍스트 인식 실패",  // OCR_FAILED
    "텍스트 인식\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "이미지",  // PIN_MENU_IMAGE
    "왼쪽으로 회전",  // PIN_MENU_ROTATE_LEFT
    "오른쪽으로 회전",  // PIN_MENU_ROTATE_RIGHT
    "좌우 대칭",  // PIN_MENU_FLIP_H
    "상하 대칭",  // PIN_MENU_FLIP_V
    "회색조",  // PIN_MENU_GRAYSCALE
    "색 반전",  // PIN_MENU_INVERT
    "축소판\tShift+두 번 클릭",  // PIN_MENU_THUMBNAIL
    "위치 및 크기 잠금",  // PIN_MENU_LOCK
    "클릭 통과",  // PIN_MENU_CLICK_THROUGH
    "인쇄…",  // PIN_MENU_PRINT
    "3초 후 캡처",  // MENU_CAPTURE_DELAYED
    "캡처 후 복사",  // MENU_CAPTURE_COPY
    "기록",  // MENU_HISTORY
    "마지막 캡처 고정",  // MENU_PIN_LAST_CAPTURE
    "기록 폴더 열기",  // MENU_OPEN_HISTORY_FOLDER
    "모든 고정 이미지의 클릭 통과 끄기",  // MENU_CLICK_THROUGH_OFF_ALL
    "JPEG 이미지 (*.jpg)",  // FILTER_JPEG
    "PDF 문서 (*.pdf)",  // FILTER_PDF
    "아직 캡처 기록이 없습니다",  // HISTORY_EMPTY
    "요소",  // DETECT_ELEMENT_LABEL
    "ko",  // LANG_CODE
    "스크롤 캡처",  // TOOLBAR_SCROLL_CAPTURE
    "녹화",  // TOOLBAR_RECORD
    "QR 코드",  // TOOLBAR_QR
    "개인 정보 숨기기",  // TOOLBAR_REDACT
    "개인 정보를 찾지 못했습니다(이메일, 전화번호, 신분증 번호, 카드 번호, 암호 등)",  // REDACT_NOTHING_FOUND
    "언어",  // OCR_LANGUAGE_LABEL
    "자동(설치된 모든 언어)",  // OCR_LANGUAGE_AUTO
    "언어 추가…",  // OCR_ADD_LANGUAGE
    "인식 중…",  // OCR_RECOGNIZING
    "실시간 고정",  // TOOLBAR_LIVE_PIN
    "아래로 스크롤하세요(또는 '자동 스크롤' 클릭)",  // SCROLL_HINT
    "자동 스크롤",  // SCROLL_AUTO
    "자동 스크롤 중입니다. 멈추려면 마우스를 멀리 옮기세요",  // SCROLL_AUTO_RUNNING
    "끝에 도달했습니다",  // SCROLL_END_REACHED
    "최대 길이에 도달했습니다",  // SCROLL_MAX_LENGTH
    "너무 빨리 스크롤했습니다. 조금 되돌려 주세요",  // SCROLL_TOO_FAST
    "스크롤 캡처를 복사했습니다",  // SCROLL_COPIED
    "녹화 중",  // RECORD_RECORDING
    "■ 중지",  // RECORD_STOP_BUTTON
    "녹화를 저장했습니다",  // RECORD_SAVED
    "파일이 클립보드에 있으므로 바로 붙여 넣을 수 있습니다",  // RECORD_ON_CLIPBOARD
    "녹화 실패",  // RECORD_FAILED
    "녹화 중지",  // MENU_STOP_RECORDING
    "QR 코드 — Ormick Oxel",  // QR_WINDOW_TITLE
    "QR 코드를 찾지 못했습니다",  // QR_NOT_FOUND
    "링크 열기",  // OPEN_LINK
    "번역",  // TRANSLATE
    "텍스트가 너무 깁니다. 복사해 두었으니 번역 페이지에 붙여 넣으세요",  // TRANSLATE_TEXT_TOO_LONG
    "현재 화면 복사\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "일반 고정 이미지로 전환(업데이트 중지)",  // LIVE_MENU_MAKE_STATIC
    "실시간으로 고정할 창 안의 영역을 선택하세요",  // LIVE_PIN_HINT
    "Ormick Oxel 설정",  // PREFS_TITLE
    "단축키",  // PREFS_HOTKEYS
    "상자를 클릭한 다음 새 키 조합을 누르세요. Backspace를 누르면 지워집니다(끄기).",  // PREFS_HOTKEY_HINT
    "(없음)",  // PREFS_HOTKEY_NONE
    "키를 누르세요…",  // PREFS_HOTKEY_PRESS_KEYS
    "다른 프로그램에서 사용 중",  // PREFS_HOTKEY_IN_USE
    "'{name}'과(와) 같음",  // PREFS_HOTKEY_SAME_AS
    "Ctrl, Alt 또는 Win을 추가하세요",  // PREFS_HOTKEY_NEED_MODIFIER
    "일반",  // PREFS_GENERAL
    "저장 폴더",  // PREFS_SAVE_FOLDER
    "사진(기본값)",  // PREFS_SAVE_FOLDER_DEFAULT
    "찾아보기…",  // PREFS_BROWSE
    "최근 캡처 보관",  // PREFS_HISTORY
    "(0 = 끄기)",  // PREFS_HISTORY_OFF_HINT
    "저메모리 캡처(GDI: RAM 약 30MB 절약, 캡처할 때마다 약 60ms 느려짐)",  // PREFS_LOW_MEMORY
    "자동 선택",  // PREFS_DETECT_AUTO
    "창 전체",  // PREFS_DETECT_WINDOWS
    "창 안의 UI 요소",  // PREFS_DETECT_ELEMENTS
    "Tab 키로 전환",  // PREFS_DETECT_TAB_HINT
    "형식",  // PREFS_RECORD_FORMAT
    "초당 프레임 수",  // PREFS_RECORD_FPS
    "(GIF는 최대 15)",  // PREFS_RECORD_FPS_HINT
    "마우스 포인터 표시",  // PREFS_RECORD_CURSOR
    "번역할 언어",  // PREFS_TRANSLATE_INTO
    "인터페이스 언어와 같음",  // PREFS_TRANSLATE_SAME_AS_UI
    "설정 파일 편집…",  // PREFS_EDIT_FILE
    "설치된 텍스트 인식 언어가 없습니다. Windows 언어 설정에서 추가하세요.",  // OCR_NO_LANGUAGE
    "이미지가 너무 커서 텍스트를 인식할 수 없습니다.",  // OCR_IMAGE_TOO_LARGE
    "실시간 고정을 만들 수 없습니다: {name}",  // LIVE_PIN_FAILED
    "복사하지 못했습니다",  // COPY_FAILED
    "다른 프로그램이 클립보드를 사용 중입니다. 다시 시도하세요.",  // CLIPBOARD_BUSY
    "'Windows 시작 시 실행'을 변경하지 못했습니다",  // AUTOSTART_FAILED
    "인쇄하지 못했습니다",  // PRINT_FAILED
    "설정 파일을 읽지 못했습니다",  // SETTINGS_READ_FAILED
    "녹화된 프레임이 없습니다",  // RECORD_NO_FRAME
    "결과 창을 열지 못했습니다",  // RESULT_WINDOW_FAILED
    "텍스트가 클립보드에 있으므로 바로 붙여 넣을 수 있습니다",  // TEXT_ON_CLIPBOARD
    "캡처하지 못했습니다",  // CAPTURE_FAILED
    "화면 이미지를 위한 메모리가 부족합니다. 일부 프로그램을 닫은 후 다시 시도하세요",  // CAPTURE_NO_MEMORY
    "이미지가 너무 커서 고정할 수 없습니다({name}). 최대 2억 6800만 픽셀의 이미지를 고정할 수 있습니다.",  // PIN_IMAGE_TOO_LARGE
    "단축키가 작동하지 않습니다",  // HOTKEY_PROBLEM_TITLE
    "settings.ini의 {name}={keys}은(는) 올바른 키 조합이 아니므로 이 단축키는 꺼져 있습니다.",  // HOTKEY_NOT_A_KEY
    "'{name}'과(와) '{other}'이(가) 모두 {keys}(으)로 설정되어 있어 '{name}'만 작동합니다.",  // HOTKEY_SAME_KEY
    "캡처를 기록에 저장하지 못했습니다",  // HISTORY_NOT_KEPT
    "복사, 저장, 고정은 계속 작동하지만 기록 폴더에 다시 쓸 수 있을 때까지 캡처가 기록에 남지 않습니다.",  // HISTORY_NOT_KEPT_TEXT
    "MP4 녹화에는 Windows Media Foundation이 필요하지만 설치되어 있지 않습니다(Windows N 및 KN 에디션에서는 미디어 기능 팩을 추가하세요). GIF 녹화는 이것 없이도 됩니다.",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
