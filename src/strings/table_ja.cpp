#include "strings/tables.h"

// Japanese.
const UiStrings UI_STRINGS_JA = {{
    "Yu Gothic UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} キャプチャ · {pin} ピン留め",  // TRAY_TOOLTIP
    "キャプチャ",  // MENU_CAPTURE
    "クリップボードの画像をピン留め",  // MENU_PIN_CLIPBOARD
    "すべてのピン留め画像を表示 / 非表示",  // MENU_SHOW_HIDE_PINS
    "すべてのピン留め画像を閉じる",  // MENU_CLOSE_ALL_PINS
    "最後に閉じたピン留め画像を復元",  // MENU_RESTORE_CLOSED_PIN
    "Windows の起動時に開始",  // MENU_START_WITH_WINDOWS
    "設定…",  // MENU_SETTINGS
    "設定を再読み込み",  // MENU_RELOAD_SETTINGS
    "スクリーンショット フォルダーを開く",  // MENU_OPEN_SCREENSHOT_FOLDER
    "終了",  // MENU_EXIT
    "ピン留め",  // TOOLBAR_PIN
    "保存",  // TOOLBAR_SAVE
    "コピー",  // TOOLBAR_COPY
    "キャンセル",  // TOOLBAR_CANCEL
    "C コピー · Shift 形式切り替え",  // MAGNIFIER_HINT
    "コピー\tCtrl+C",  // PIN_MENU_COPY
    "名前を付けて保存…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "実際のサイズ\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "不透明度",  // PIN_MENU_OPACITY
    "閉じる\tEsc",  // PIN_MENU_CLOSE
    "すべてのピン留め画像を閉じる",  // PIN_MENU_CLOSE_ALL
    "不透明度",  // OPACITY_CAPTION
    "Ormick Oxel は実行中です",  // BALLOON_RUNNING_TITLE
    "{cap} でキャプチャ、{pin} でクリップボードの画像をピン留めします。トレイ アイコンを右クリックするとメニューが開きます。",  // BALLOON_RUNNING_TEXT
    "ホットキーは使用中です",  // BALLOON_HOTKEY_IN_USE_TITLE
    "{keys} は別のプログラム (別のスクリーンショット ツールなど) で使用されています。そのプログラムを終了してトレイ メニューの [設定を再読み込み] を選ぶか、設定で別のキーを選んでください。",  // BALLOON_HOTKEY_IN_USE_TEXT
    "クリップボードに画像がありません",  // NO_IMAGE_ON_CLIPBOARD
    "保存しました",  // SAVED
    "保存できませんでした",  // SAVE_FAILED
    "PNG 画像 (*.png)",  // FILTER_PNG
    "四角形",  // TOOL_RECTANGLE
    "楕円",  // TOOL_ELLIPSE
    "矢印",  // TOOL_ARROW
    "直線 / 折れ線",  // TOOL_LINE
    "ペン",  // TOOL_PEN
    "蛍光ペン",  // TOOL_HIGHLIGHTER
    "モザイク",  // TOOL_MOSAIC
    "テキスト",  // TOOL_TEXT
    "番号",  // TOOL_NUMBER
    "スポットライト",  // TOOL_SPOTLIGHT
    "消しゴム",  // TOOL_ERASER
    "元に戻す",  // TOOL_UNDO
    "やり直し",  // TOOL_REDO
    "完了",  // TOOL_DONE
    "ユーザー設定の色",  // TOOL_CUSTOM_COLOR
    "塗りつぶし",  // STYLE_FILL
    "矩形",  // STYLE_BOX
    "ぼかし",  // STYLE_BLUR
    "縁取り",  // STYLE_OUTLINE
    "注釈を破棄しますか?",  // CONFIRM_DISCARD_ANNOTATIONS
    "注釈を付ける\tSpace",  // PIN_MENU_ANNOTATE
    "注釈を非表示",  // PIN_MENU_HIDE_ANNOTATIONS
    "注釈を表示",  // PIN_MENU_SHOW_ANNOTATIONS
    "テキスト認識",  // TOOLBAR_RECOGNIZE_TEXT
    "認識したテキスト — Ormick Oxel",  // OCR_WINDOW_TITLE
    "コピーして閉じる",  // OCR_COPY_AND_CLOSE
    "閉じる",  // OCR_CLOSE
    "改行を保持",  // OCR_KEEP_LINE_BREAKS
    "テキストが見つかりません",  // OCR_NO_TEXT
    "テキスト認識に失敗しました",  // OCR_FAILED
    "テキスト認識\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "画像",  // PIN_MENU_IMAGE
    "左に回転",  // PIN_MENU_ROTATE_LEFT
    "右に回転",  // PIN_MENU_ROTATE_RIGHT
    "左右反転",  // PIN_MENU_FLIP_H
    "上下反転",  // PIN_MENU_FLIP_V
    "グレースケール",  // PIN_MENU_GRAYSCALE
    "色を反転",  // PIN_MENU_INVERT
    "サムネイル\tShift+ダブルクリック",  // PIN_MENU_THUMBNAIL
    "位置とサイズをロック",  // PIN_MENU_LOCK
    "クリックを透過",  // PIN_MENU_CLICK_THROUGH
    "印刷…",  // PIN_MENU_PRINT
    "3 秒後にキャプチャ",  // MENU_CAPTURE_DELAYED
    "キャプチャしてコピー",  // MENU_CAPTURE_COPY
    "履歴",  // MENU_HISTORY
    "前回のキャプチャをピン留め",  // MENU_PIN_LAST_CAPTURE
    "履歴フォルダーを開く",  // MENU_OPEN_HISTORY_FOLDER
    "すべてのピン留め画像のクリック透過をオフ",  // MENU_CLICK_THROUGH_OFF_ALL
    "JPEG 画像 (*.jpg)",  // FILTER_JPEG
    "PDF ドキュメント (*.pdf)",  // FILTER_PDF
    "キャプチャ履歴はまだありません",  // HISTORY_EMPTY
    "要素",  // DETECT_ELEMENT_LABEL
    "ja",  // LANG_CODE
    "スクロール キャプチャ",  // TOOLBAR_SCROLL_CAPTURE
    "録画",  // TOOLBAR_RECORD
    "QR コード",  // TOOLBAR_QR
    "個人情報を隠す",  // TOOLBAR_REDACT
    "個人情報は見つかりませんでした (メール アドレス、電話番号、ID 番号、カード番号、パスワードなど)",  // REDACT_NOTHING_FOUND
    "言語",  // OCR_LANGUAGE_LABEL
    "自動 (インストール済みのすべての言語)",  // OCR_LANGUAGE_AUTO
    "言語を追加…",  // OCR_ADD_LANGUAGE
    "認識しています…",  // OCR_RECOGNIZING
    "ライブ ピン留め",  // TOOLBAR_LIVE_PIN
    "下へスクロールしてください ([自動スクロール] も使えます)",  // SCROLL_HINT
    "自動スクロール",  // SCROLL_AUTO
    "自動スクロール中です。マウスを遠ざけると停止します",  // SCROLL_AUTO_RUNNING
    "末尾に達しました",  // SCROLL_END_REACHED
    "最大の長さに達しました",  // SCROLL_MAX_LENGTH
    "スクロールが速すぎます。少し戻してください",  // SCROLL_TOO_FAST
    "スクロール キャプチャをコピーしました",  // SCROLL_COPIED
    "録画中",  // RECORD_RECORDING
    "■ 停止",  // RECORD_STOP_BUTTON
    "録画を保存しました",  // RECORD_SAVED
    "ファイルはクリップボードにあり、すぐに貼り付けられます",  // RECORD_ON_CLIPBOARD
    "録画に失敗しました",  // RECORD_FAILED
    "録画を停止",  // MENU_STOP_RECORDING
    "QR コード — Ormick Oxel",  // QR_WINDOW_TITLE
    "QR コードが見つかりません",  // QR_NOT_FOUND
    "リンクを開く",  // OPEN_LINK
    "翻訳",  // TRANSLATE
    "テキストが長すぎます。コピーしたので翻訳ページに貼り付けてください",  // TRANSLATE_TEXT_TOO_LONG
    "現在の表示をコピー\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "通常のピン留め画像に変換 (更新を停止)",  // LIVE_MENU_MAKE_STATIC
    "ライブ ピン留めするウィンドウ内の領域を選択してください",  // LIVE_PIN_HINT
    "Ormick Oxel の設定",  // PREFS_TITLE
    "ホットキー",  // PREFS_HOTKEYS
    "ボックスをクリックしてから、新しいキーの組み合わせを押してください。Backspace でクリア (オフ) します。",  // PREFS_HOTKEY_HINT
    "(なし)",  // PREFS_HOTKEY_NONE
    "キーを押してください…",  // PREFS_HOTKEY_PRESS_KEYS
    "別のプログラムが使用中",  // PREFS_HOTKEY_IN_USE
    "「{name}」と同じです",  // PREFS_HOTKEY_SAME_AS
    "Ctrl、Alt、Win のいずれかを追加してください",  // PREFS_HOTKEY_NEED_MODIFIER
    "全般",  // PREFS_GENERAL
    "保存先フォルダー",  // PREFS_SAVE_FOLDER
    "ピクチャ (既定)",  // PREFS_SAVE_FOLDER_DEFAULT
    "参照…",  // PREFS_BROWSE
    "最近のキャプチャを保持",  // PREFS_HISTORY
    "(0 = オフ)",  // PREFS_HISTORY_OFF_HINT
    "省メモリ キャプチャ (GDI: メモリ使用量が約 30 MB 減り、キャプチャごとに約 60 ms 遅くなります)",  // PREFS_LOW_MEMORY
    "自動選択",  // PREFS_DETECT_AUTO
    "ウィンドウ全体",  // PREFS_DETECT_WINDOWS
    "ウィンドウ内の UI 要素",  // PREFS_DETECT_ELEMENTS
    "Tab キーで切り替え",  // PREFS_DETECT_TAB_HINT
    "形式",  // PREFS_RECORD_FORMAT
    "1 秒あたりのフレーム数",  // PREFS_RECORD_FPS
    "(GIF は最大 15)",  // PREFS_RECORD_FPS_HINT
    "マウス ポインターを描画",  // PREFS_RECORD_CURSOR
    "翻訳先",  // PREFS_TRANSLATE_INTO
    "表示言語と同じ",  // PREFS_TRANSLATE_SAME_AS_UI
    "設定ファイルを編集…",  // PREFS_EDIT_FILE
    "文字認識の言語がインストールされていません。Windows の言語設定で追加してください。",  // OCR_NO_LANGUAGE
    "画像が大きすぎて文字認識できません。",  // OCR_IMAGE_TOO_LARGE
    "ライブ ピン留めを作成できませんでした: {name}",  // LIVE_PIN_FAILED
    "コピーできませんでした",  // COPY_FAILED
    "別のプログラムがクリップボードを使用しています。もう一度お試しください。",  // CLIPBOARD_BUSY
    "「Windows の起動時に開始」を変更できませんでした",  // AUTOSTART_FAILED
    "印刷できませんでした",  // PRINT_FAILED
    "設定ファイルを読み込めませんでした",  // SETTINGS_READ_FAILED
    "フレームが 1 つも録画されませんでした",  // RECORD_NO_FRAME
    "結果ウィンドウを開けませんでした",  // RESULT_WINDOW_FAILED
    "テキストはクリップボードにあり、すぐに貼り付けられます",  // TEXT_ON_CLIPBOARD
    "キャプチャに失敗しました",  // CAPTURE_FAILED
    "画面の画像に必要なメモリが足りません。いくつかのプログラムを閉じてからもう一度お試しください",  // CAPTURE_NO_MEMORY
    "画像が大きすぎるためピン留めできません ({name})。ピン留めできるのは 2 億 6800 万ピクセルまでの画像です。",  // PIN_IMAGE_TOO_LARGE
    "ホットキーが機能しません",  // HOTKEY_PROBLEM_TITLE
    "settings.ini の {name}={keys} はキーの組み合わせではないため、このホットキーはオフです。",  // HOTKEY_NOT_A_KEY
    "「{name}」と「{other}」が両方とも {keys} に設定されています。使えるのは「{name}」だけです。",  // HOTKEY_SAME_KEY
    "キャプチャを履歴に保存できませんでした",  // HISTORY_NOT_KEPT
    "コピー、保存、ピン留めは引き続き使えますが、履歴に書き込めるようになるまでキャプチャは履歴に残りません。",  // HISTORY_NOT_KEPT_TEXT
    "MP4 の録画には Windows Media Foundation が必要ですが、インストールされていません（Windows の N / KN エディションでは Media Feature Pack を追加してください）。GIF の録画はこれなしで動作します。",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
