#include "strings/tables.h"

// Simplified Chinese.
const UiStrings UI_STRINGS_ZH_CN = {{
    "Microsoft YaHei UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} 截图 · {pin} 贴图",  // TRAY_TOOLTIP
    "截图",  // MENU_CAPTURE
    "贴出剪贴板图片",  // MENU_PIN_CLIPBOARD
    "显示/隐藏所有贴图",  // MENU_SHOW_HIDE_PINS
    "关闭所有贴图",  // MENU_CLOSE_ALL_PINS
    "恢复上次关闭的贴图",  // MENU_RESTORE_CLOSED_PIN
    "开机自动启动",  // MENU_START_WITH_WINDOWS
    "设置…",  // MENU_SETTINGS
    "重新加载设置",  // MENU_RELOAD_SETTINGS
    "打开截图文件夹",  // MENU_OPEN_SCREENSHOT_FOLDER
    "退出",  // MENU_EXIT
    "贴图",  // TOOLBAR_PIN
    "保存",  // TOOLBAR_SAVE
    "复制",  // TOOLBAR_COPY
    "取消",  // TOOLBAR_CANCEL
    "C 复制 · Shift 切换格式",  // MAGNIFIER_HINT
    "复制\tCtrl+C",  // PIN_MENU_COPY
    "另存为…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "实际大小\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "不透明度",  // PIN_MENU_OPACITY
    "关闭\tEsc",  // PIN_MENU_CLOSE
    "关闭所有贴图",  // PIN_MENU_CLOSE_ALL
    "不透明度",  // OPACITY_CAPTION
    "Ormick Oxel 正在运行",  // BALLOON_RUNNING_TITLE
    "按 {cap} 截图，按 {pin} 将剪贴板图片贴到屏幕上。右键单击托盘图标可打开菜单。",  // BALLOON_RUNNING_TEXT
    "热键已被占用",  // BALLOON_HOTKEY_IN_USE_TITLE
    "{keys} 已被其他程序占用（例如其他截图工具）。请关闭该程序，然后在托盘菜单中选择“重新加载设置”，或在设置中改用其他按键。",  // BALLOON_HOTKEY_IN_USE_TEXT
    "剪贴板中没有图片",  // NO_IMAGE_ON_CLIPBOARD
    "已保存",  // SAVED
    "保存失败",  // SAVE_FAILED
    "PNG 图像 (*.png)",  // FILTER_PNG
    "矩形",  // TOOL_RECTANGLE
    "椭圆",  // TOOL_ELLIPSE
    "箭头",  // TOOL_ARROW
    "直线 / 折线",  // TOOL_LINE
    "画笔",  // TOOL_PEN
    "荧光笔",  // TOOL_HIGHLIGHTER
    "马赛克",  // TOOL_MOSAIC
    "文字",  // TOOL_TEXT
    "序号",  // TOOL_NUMBER
    "聚光灯",  // TOOL_SPOTLIGHT
    "橡皮擦",  // TOOL_ERASER
    "撤销",  // TOOL_UNDO
    "重做",  // TOOL_REDO
    "完成",  // TOOL_DONE
    "自定义颜色",  // TOOL_CUSTOM_COLOR
    "填充",  // STYLE_FILL
    "框选",  // STYLE_BOX
    "模糊",  // STYLE_BLUR
    "描边",  // STYLE_OUTLINE
    "放弃所做的标注？",  // CONFIRM_DISCARD_ANNOTATIONS
    "标注\t空格",  // PIN_MENU_ANNOTATE
    "隐藏标注",  // PIN_MENU_HIDE_ANNOTATIONS
    "显示标注",  // PIN_MENU_SHOW_ANNOTATIONS
    "识别文字",  // TOOLBAR_RECOGNIZE_TEXT
    "识别的文字 — Ormick Oxel",  // OCR_WINDOW_TITLE
    "复制并关闭",  // OCR_COPY_AND_CLOSE
    "关闭",  // OCR_CLOSE
    "保留换行",  // OCR_KEEP_LINE_BREAKS
    "未找到文字",  // OCR_NO_TEXT
    "文字识别失败",  // OCR_FAILED
    "识别文字\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "图像",  // PIN_MENU_IMAGE
    "向左旋转",  // PIN_MENU_ROTATE_LEFT
    "向右旋转",  // PIN_MENU_ROTATE_RIGHT
    "水平翻转",  // PIN_MENU_FLIP_H
    "垂直翻转",  // PIN_MENU_FLIP_V
    "灰度",  // PIN_MENU_GRAYSCALE
    "反色",  // PIN_MENU_INVERT
    "缩略图\tShift+双击",  // PIN_MENU_THUMBNAIL
    "锁定位置和大小",  // PIN_MENU_LOCK
    "鼠标穿透",  // PIN_MENU_CLICK_THROUGH
    "打印…",  // PIN_MENU_PRINT
    "3 秒后截图",  // MENU_CAPTURE_DELAYED
    "截图并复制",  // MENU_CAPTURE_COPY
    "历史记录",  // MENU_HISTORY
    "贴出上次截图",  // MENU_PIN_LAST_CAPTURE
    "打开历史记录文件夹",  // MENU_OPEN_HISTORY_FOLDER
    "取消所有贴图的鼠标穿透",  // MENU_CLICK_THROUGH_OFF_ALL
    "JPEG 图像 (*.jpg)",  // FILTER_JPEG
    "PDF 文档 (*.pdf)",  // FILTER_PDF
    "暂无截图历史记录",  // HISTORY_EMPTY
    "元素",  // DETECT_ELEMENT_LABEL
    "zh-CN",  // LANG_CODE
    "滚动截图",  // TOOLBAR_SCROLL_CAPTURE
    "录屏",  // TOOLBAR_RECORD
    "二维码",  // TOOLBAR_QR
    "隐藏个人信息",  // TOOLBAR_REDACT
    "未发现个人信息（电子邮件、电话号码、证件号、银行卡号、密码…）",  // REDACT_NOTHING_FOUND
    "语言",  // OCR_LANGUAGE_LABEL
    "自动（所有已安装的语言）",  // OCR_LANGUAGE_AUTO
    "添加语言…",  // OCR_ADD_LANGUAGE
    "正在识别…",  // OCR_RECOGNIZING
    "实时贴图",  // TOOLBAR_LIVE_PIN
    "向下滚动（或点击“自动滚动”）",  // SCROLL_HINT
    "自动滚动",  // SCROLL_AUTO
    "正在自动滚动；移开鼠标即可停止",  // SCROLL_AUTO_RUNNING
    "已到达底部",  // SCROLL_END_REACHED
    "已达到最大长度",  // SCROLL_MAX_LENGTH
    "滚动过快，请往回滚动一点",  // SCROLL_TOO_FAST
    "已复制滚动截图",  // SCROLL_COPIED
    "正在录制",  // RECORD_RECORDING
    "■ 停止",  // RECORD_STOP_BUTTON
    "录制内容已保存",  // RECORD_SAVED
    "文件已在剪贴板中，可直接粘贴",  // RECORD_ON_CLIPBOARD
    "录制失败",  // RECORD_FAILED
    "停止录制",  // MENU_STOP_RECORDING
    "二维码 — Ormick Oxel",  // QR_WINDOW_TITLE
    "未找到二维码",  // QR_NOT_FOUND
    "打开链接",  // OPEN_LINK
    "翻译",  // TRANSLATE
    "文字过长：已复制，请粘贴到翻译页面",  // TRANSLATE_TEXT_TOO_LONG
    "复制当前画面\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "转为普通贴图（停止更新）",  // LIVE_MENU_MAKE_STATIC
    "在窗口内选择一个区域作为实时贴图",  // LIVE_PIN_HINT
    "Ormick Oxel 设置",  // PREFS_TITLE
    "热键",  // PREFS_HOTKEYS
    "单击输入框，然后按下新的组合键。按 Backspace 清除（关闭）。",  // PREFS_HOTKEY_HINT
    "（无）",  // PREFS_HOTKEY_NONE
    "请按键…",  // PREFS_HOTKEY_PRESS_KEYS
    "已被其他程序占用",  // PREFS_HOTKEY_IN_USE
    "与“{name}”相同",  // PREFS_HOTKEY_SAME_AS
    "请加上 Ctrl、Alt 或 Win",  // PREFS_HOTKEY_NEED_MODIFIER
    "常规",  // PREFS_GENERAL
    "保存位置",  // PREFS_SAVE_FOLDER
    "图片（默认）",  // PREFS_SAVE_FOLDER_DEFAULT
    "浏览…",  // PREFS_BROWSE
    "保留最近的截图",  // PREFS_HISTORY
    "（0 = 关闭）",  // PREFS_HISTORY_OFF_HINT
    "低内存截图（GDI：少占用约 30 MB 内存，每次截图慢约 60 毫秒）",  // PREFS_LOW_MEMORY
    "自动选择",  // PREFS_DETECT_AUTO
    "整个窗口",  // PREFS_DETECT_WINDOWS
    "窗口内的界面元素",  // PREFS_DETECT_ELEMENTS
    "按 Tab 切换",  // PREFS_DETECT_TAB_HINT
    "格式",  // PREFS_RECORD_FORMAT
    "每秒帧数",  // PREFS_RECORD_FPS
    "（GIF 最多 15）",  // PREFS_RECORD_FPS_HINT
    "录制鼠标指针",  // PREFS_RECORD_CURSOR
    "翻译为",  // PREFS_TRANSLATE_INTO
    "与界面语言相同",  // PREFS_TRANSLATE_SAME_AS_UI
    "编辑设置文件…",  // PREFS_EDIT_FILE
    "未安装文字识别语言。请在 Windows 语言设置中添加。",  // OCR_NO_LANGUAGE
    "图像太大，无法进行文字识别。",  // OCR_IMAGE_TOO_LARGE
    "无法创建实时贴图：{name}",  // LIVE_PIN_FAILED
    "复制失败",  // COPY_FAILED
    "剪贴板正被其他程序使用，请重试。",  // CLIPBOARD_BUSY
    "无法更改“开机自动启动”",  // AUTOSTART_FAILED
    "打印失败",  // PRINT_FAILED
    "无法读取设置文件",  // SETTINGS_READ_FAILED
    "未录制到任何帧",  // RECORD_NO_FRAME
    "无法打开结果窗口",  // RESULT_WINDOW_FAILED
    "文字已在剪贴板中，可直接粘贴",  // TEXT_ON_CLIPBOARD
    "截图失败",  // CAPTURE_FAILED
    "内存不足，无法保存屏幕图像：请关闭一些程序后重试",  // CAPTURE_NO_MEMORY
    "图片太大，无法贴出（{name}）。最多可贴出 2.68 亿像素的图片。",  // PIN_IMAGE_TOO_LARGE
    "热键无法使用",  // HOTKEY_PROBLEM_TITLE
    "settings.ini 中的 {name}={keys} 不是有效的按键组合，该热键已关闭。",  // HOTKEY_NOT_A_KEY
    "“{name}”和“{other}”都设为 {keys}，只有“{name}”有效。",  // HOTKEY_SAME_KEY
    "截图未保存到历史记录",  // HISTORY_NOT_KEPT
    "复制、保存和钉选仍可使用，但在历史记录文件夹恢复可写之前，截图不会保存到历史记录。",  // HISTORY_NOT_KEPT_TEXT
    "录制 MP4 需要 Windows Media Foundation，但系统中没有安装（Windows N 和 KN 版请添加“媒体功能包”）。录制 GIF 不需要它。",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
