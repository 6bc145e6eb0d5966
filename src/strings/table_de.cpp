#include "strings/tables.h"

// German.
const UiStrings UI_STRINGS_DE = {{
    "Segoe UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} Aufnahme · {pin} Anheften",  // TRAY_TOOLTIP
    "Aufnehmen",  // MENU_CAPTURE
    "Bild aus Zwischenablage anheften",  // MENU_PIN_CLIPBOARD
    "Alle angehefteten Bilder ein-/ausblenden",  // MENU_SHOW_HIDE_PINS
    "Alle angehefteten Bilder schließen",  // MENU_CLOSE_ALL_PINS
    "Zuletzt geschlossenes Bild wiederherstellen",  // MENU_RESTORE_CLOSED_PIN
    "Mit Windows starten",  // MENU_START_WITH_WINDOWS
    "Einstellungen…",  // MENU_SETTINGS
    "Einstellungen neu laden",  // MENU_RELOAD_SETTINGS
    "Screenshot-Ordner öffnen",  // MENU_OPEN_SCREENSHOT_FOLDER
    "Beenden",  // MENU_EXIT
    "Anheften",  // TOOLBAR_PIN
    "Speichern",  // TOOLBAR_SAVE
    "Kopieren",  // TOOLBAR_COPY
    "Abbrechen",  // TOOLBAR_CANCEL
    "C kopieren · Umschalt Format",  // MAGNIFIER_HINT
    "Kopieren\tStrg+C",  // PIN_MENU_COPY
    "Speichern unter…\tStrg+S",  // PIN_MENU_SAVE_AS
    "Originalgröße\tStrg+0",  // PIN_MENU_ACTUAL_SIZE
    "Deckkraft",  // PIN_MENU_OPACITY
    "Schließen\tEsc",  // PIN_MENU_CLOSE
    "Alle angehefteten Bilder schließen",  // PIN_MENU_CLOSE_ALL
    "Deckkraft",  // OPACITY_CAPTION
    "Ormick Oxel wird ausgeführt",  // BALLOON_RUNNING_TITLE
    "{cap} zum Aufnehmen, {pin} zum Anheften des Bildes aus der Zwischenablage. Rechtsklick auf das Symbol im Infobereich öffnet das Menü.",  // BALLOON_RUNNING_TEXT
    "Tastenkombination belegt",  // BALLOON_HOTKEY_IN_USE_TITLE
    "Ein anderes Programm (z. B. ein Screenshot-Tool) belegt {keys}. Dieses beenden und im Symbolmenü „Einstellungen neu laden“ wählen oder eine andere Taste einstellen.",  // BALLOON_HOTKEY_IN_USE_TEXT
    "Kein Bild in der Zwischenablage",  // NO_IMAGE_ON_CLIPBOARD
    "Gespeichert",  // SAVED
    "Speichern fehlgeschlagen",  // SAVE_FAILED
    "PNG-Bild (*.png)",  // FILTER_PNG
    "Rechteck",  // TOOL_RECTANGLE
    "Ellipse",  // TOOL_ELLIPSE
    "Pfeil",  // TOOL_ARROW
    "Linie / Polylinie",  // TOOL_LINE
    "Stift",  // TOOL_PEN
    "Textmarker",  // TOOL_HIGHLIGHTER
    "Mosaik",  // TOOL_MOSAIC
    "Text",  // TOOL_TEXT
    "Nummer",  // TOOL_NUMBER
    "Spotlight",  // TOOL_SPOTLIGHT
    "Radierer",  // TOOL_ERASER
    "Rückgängig",  // TOOL_UNDO
    "Wiederholen",  // TOOL_REDO
    "Fertig",  // TOOL_DONE
    "Benutzerdefinierte Farbe",  // TOOL_CUSTOM_COLOR
    "Füllen",  // STYLE_FILL
    "Bereich",  // STYLE_BOX
    "Weichzeichnen",  // STYLE_BLUR
    "Kontur",  // STYLE_OUTLINE
    "Anmerkungen verwerfen?",  // CONFIRM_DISCARD_ANNOTATIONS
    "Annotieren\tLeertaste",  // PIN_MENU_ANNOTATE
    "Anmerkungen ausblenden",  // PIN_MENU_HIDE_ANNOTATIONS
    "Anmerkungen einblenden",  // PIN_MENU_SHOW_ANNOTATIONS
    "Text erkennen",  // TOOLBAR_RECOGNIZE_TEXT
    "Erkannter Text — Ormick Oxel",  // OCR_WINDOW_TITLE
    "Kopieren und schließen",  // OCR_COPY_AND_CLOSE
    "Schließen",  // OCR_CLOSE
    "Zeilenumbrüche beibehalten",  // OCR_KEEP_LINE_BREAKS
    "Kein Text gefunden",  // OCR_NO_TEXT
    "Texterkennung fehlgeschlagen",  // OCR_FAILED
    "Text erkennen\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "Bild",  // PIN_MENU_IMAGE
    "Nach links drehen",  // PIN_MENU_ROTATE_LEFT
    "Nach rechts drehen",  // PIN_MENU_ROTATE_RIGHT
    "Horizontal spiegeln",  // PIN_MENU_FLIP_H
    "Vertikal spiegeln",  // PIN_MENU_FLIP_V
    "Graustufen",  // PIN_MENU_GRAYSCALE
    "Farben umkehren",  // PIN_MENU_INVERT
    "Miniaturansicht\tUmschalt+Doppelklick",  // PIN_MENU_THUMBNAIL
    "Position und Größe sperren",  // PIN_MENU_LOCK
    "Durchklicken zulassen",  // PIN_MENU_CLICK_THROUGH
    "Drucken…",  // PIN_MENU_PRINT
    "In 3 Sekunden aufnehmen",  // MENU_CAPTURE_DELAYED
    "Aufnehmen und kopieren",  // MENU_CAPTURE_COPY
    "Verlauf",  // MENU_HISTORY
    "Letzte Aufnahme anheften",  // MENU_PIN_LAST_CAPTURE
    "Verlaufsordner öffnen",  // MENU_OPEN_HISTORY_FOLDER
    "Durchklicken bei allen angehefteten Bildern ausschalten",  // MENU_CLICK_THROUGH_OFF_ALL
    "JPEG-Bild (*.jpg)",  // FILTER_JPEG
    "PDF-Dokument (*.pdf)",  // FILTER_PDF
    "Noch keine Aufnahmen im Verlauf",  // HISTORY_EMPTY
    "Element",  // DETECT_ELEMENT_LABEL
    "de",  // LANG_CODE
    "Scroll-Aufnahme",  // TOOLBAR_SCROLL_CAPTURE
    "Aufzeichnen",  // TOOLBAR_RECORD
    "QR-Code",  // TOOLBAR_QR
    "Persönliche Daten verbergen",  // TOOLBAR_REDACT
    "Keine persönlichen Daten gefunden (E-Mail-Adressen, Telefon-, Ausweis- und Kartennummern, Kennwörter…)",  // REDACT_NOTHING_FOUND
    "Sprache",  // OCR_LANGUAGE_LABEL
    "Automatisch (alle installierten Sprachen)",  // OCR_LANGUAGE_AUTO
    "Sprache hinzufügen…",  // OCR_ADD_LANGUAGE
    "Wird erkannt…",  // OCR_RECOGNIZING
    "Live-Anheften",  // TOOLBAR_LIVE_PIN
    "Nach unten scrollen (oder „Automatisch scrollen“ drücken)",  // SCROLL_HINT
    "Automatisch scrollen",  // SCROLL_AUTO
    "Automatischer Bildlauf; zum Beenden die Maus wegbewegen",  // SCROLL_AUTO_RUNNING
    "Ende erreicht",  // SCROLL_END_REACHED
    "Maximale Länge erreicht",  // SCROLL_MAX_LENGTH
    "Zu schnell gescrollt, bitte etwas zurückscrollen",  // SCROLL_TOO_FAST
    "Scroll-Aufnahme kopiert",  // SCROLL_COPIED
    "Aufzeichnung läuft",  // RECORD_RECORDING
    "■ Beenden",  // RECORD_STOP_BUTTON
    "Aufzeichnung gespeichert",  // RECORD_SAVED
    "Die Datei ist in der Zwischenablage und kann eingefügt werden",  // RECORD_ON_CLIPBOARD
    "Aufzeichnung fehlgeschlagen",  // RECORD_FAILED
    "Aufzeichnung beenden",  // MENU_STOP_RECORDING
    "QR-Code — Ormick Oxel",  // QR_WINDOW_TITLE
    "Kein QR-Code gefunden",  // QR_NOT_FOUND
    "Link öffnen",  // OPEN_LINK
    "Übersetzen",  // TRANSLATE
    "Text zu lang: kopiert, bitte auf der Übersetzungsseite einfügen",  // TRANSLATE_TEXT_TOO_LONG
    "Aktuelle Ansicht kopieren\tStrg+C",  // LIVE_MENU_COPY_VIEW
    "In normales angeheftetes Bild umwandeln (nicht mehr aktualisieren)",  // LIVE_MENU_MAKE_STATIC
    "Bereich in einem Fenster zum Live-Anheften auswählen",  // LIVE_PIN_HINT
    "Ormick Oxel-Einstellungen",  // PREFS_TITLE
    "Tastenkombinationen",  // PREFS_HOTKEYS
    "Klicken Sie in ein Feld und drücken Sie die neue Tastenkombination. Die Rücktaste löscht sie (aus).",  // PREFS_HOTKEY_HINT
    "(keine)",  // PREFS_HOTKEY_NONE
    "Tasten drücken…",  // PREFS_HOTKEY_PRESS_KEYS
    "Von einem anderen Programm belegt",  // PREFS_HOTKEY_IN_USE
    "Identisch mit „{name}“",  // PREFS_HOTKEY_SAME_AS
    "Strg, Alt oder Win hinzufügen",  // PREFS_HOTKEY_NEED_MODIFIER
    "Allgemein",  // PREFS_GENERAL
    "Speicherordner",  // PREFS_SAVE_FOLDER
    "Bilder (Standard)",  // PREFS_SAVE_FOLDER_DEFAULT
    "Durchsuchen…",  // PREFS_BROWSE
    "Letzte Aufnahmen behalten",  // PREFS_HISTORY
    "(0 = aus)",  // PREFS_HISTORY_OFF_HINT
    "Speichersparende Aufnahme (GDI: ca. 30 MB weniger RAM, jede Aufnahme ca. 60 ms langsamer)",  // PREFS_LOW_MEMORY
    "Automatische Auswahl",  // PREFS_DETECT_AUTO
    "Ganze Fenster",  // PREFS_DETECT_WINDOWS
    "UI-Elemente in Fenstern",  // PREFS_DETECT_ELEMENTS
    "Mit Tab umschalten",  // PREFS_DETECT_TAB_HINT
    "Format",  // PREFS_RECORD_FORMAT
    "Bilder pro Sekunde",  // PREFS_RECORD_FPS
    "(GIF höchstens 15)",  // PREFS_RECORD_FPS_HINT
    "Mauszeiger aufzeichnen",  // PREFS_RECORD_CURSOR
    "Übersetzen in",  // PREFS_TRANSLATE_INTO
    "Sprache der Benutzeroberfläche",  // PREFS_TRANSLATE_SAME_AS_UI
    "Einstellungsdatei bearbeiten…",  // PREFS_EDIT_FILE
    "Keine Sprache für die Texterkennung installiert. Fügen Sie eine in den Spracheinstellungen von Windows hinzu.",  // OCR_NO_LANGUAGE
    "Das Bild ist für die Texterkennung zu groß.",  // OCR_IMAGE_TOO_LARGE
    "Live-Anheften war nicht möglich: {name}",  // LIVE_PIN_FAILED
    "Kopieren fehlgeschlagen",  // COPY_FAILED
    "Ein anderes Programm verwendet die Zwischenablage. Bitte erneut versuchen.",  // CLIPBOARD_BUSY
    "„Mit Windows starten“ konnte nicht geändert werden",  // AUTOSTART_FAILED
    "Drucken fehlgeschlagen",  // PRINT_FAILED
    "Einstellungsdatei konnte nicht gelesen werden",  // SETTINGS_READ_FAILED
    "Es wurde kein Bild aufgezeichnet",  // RECORD_NO_FRAME
    "Das Ergebnisfenster konnte nicht geöffnet werden",  // RESULT_WINDOW_FAILED
    "Der Text ist in der Zwischenablage und kann eingefügt werden",  // TEXT_ON_CLIPBOARD
    "Aufnahme fehlgeschlagen",  // CAPTURE_FAILED
    "Nicht genug Arbeitsspeicher für die Bildschirmbilder: Schließen Sie einige Programme und versuchen Sie es erneut",  // CAPTURE_NO_MEMORY
    "Das Bild ist zu groß zum Anheften ({name}). Angeheftet werden können Bilder bis 268 Millionen Pixel.",  // PIN_IMAGE_TOO_LARGE
    "Tastenkombination funktioniert nicht",  // HOTKEY_PROBLEM_TITLE
    "{name}={keys} in settings.ini ist keine gültige Tastenkombination und daher ausgeschaltet.",  // HOTKEY_NOT_A_KEY
    "„{name}“ und „{other}“ verwenden beide {keys}; nur „{name}“ funktioniert.",  // HOTKEY_SAME_KEY
    "Aufnahme nicht im Verlauf gespeichert",  // HISTORY_NOT_KEPT
    "Kopieren, Speichern und Anheften funktionieren weiter, aber Aufnahmen kommen erst wieder in den Verlauf, wenn er beschreibbar ist.",  // HISTORY_NOT_KEPT_TEXT
    "MP4-Aufzeichnungen brauchen Windows Media Foundation, das hier nicht installiert ist (bei Windows N und KN das Media Feature Pack hinzufügen). GIF-Aufzeichnungen gehen auch ohne.",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
