#include "strings/tables.h"

// French.
const UiStrings UI_STRINGS_FR = {{
    "Segoe UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} capturer · {pin} épingler",  // TRAY_TOOLTIP
    "Capturer",  // MENU_CAPTURE
    "Épingler l’image du Presse-papiers",  // MENU_PIN_CLIPBOARD
    "Afficher / masquer toutes les images épinglées",  // MENU_SHOW_HIDE_PINS
    "Fermer toutes les images épinglées",  // MENU_CLOSE_ALL_PINS
    "Rouvrir la dernière image épinglée fermée",  // MENU_RESTORE_CLOSED_PIN
    "Lancer au démarrage de Windows",  // MENU_START_WITH_WINDOWS
    "Paramètres…",  // MENU_SETTINGS
    "Recharger les paramètres",  // MENU_RELOAD_SETTINGS
    "Ouvrir le dossier des captures d’écran",  // MENU_OPEN_SCREENSHOT_FOLDER
    "Quitter",  // MENU_EXIT
    "Épingler",  // TOOLBAR_PIN
    "Enregistrer",  // TOOLBAR_SAVE
    "Copier",  // TOOLBAR_COPY
    "Annuler",  // TOOLBAR_CANCEL
    "C copier · Maj format",  // MAGNIFIER_HINT
    "Copier\tCtrl+C",  // PIN_MENU_COPY
    "Enregistrer sous…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "Taille réelle\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "Opacité",  // PIN_MENU_OPACITY
    "Fermer\tÉchap",  // PIN_MENU_CLOSE
    "Fermer toutes les images épinglées",  // PIN_MENU_CLOSE_ALL
    "Opacité",  // OPACITY_CAPTION
    "Ormick Oxel est en cours d’exécution",  // BALLOON_RUNNING_TITLE
    "{cap} pour capturer, {pin} pour épingler l’image du Presse-papiers. Cliquez avec le bouton droit sur l’icône de notification pour ouvrir le menu.",  // BALLOON_RUNNING_TEXT
    "Raccourci déjà utilisé",  // BALLOON_HOTKEY_IN_USE_TITLE
    "Un autre programme (ex.\u00a0: outil de capture) utilise {keys}. Fermez-le et choisissez «\u00a0Recharger les paramètres\u00a0» (menu de l’icône) ou une autre touche (Paramètres).",  // BALLOON_HOTKEY_IN_USE_TEXT
    "Aucune image dans le Presse-papiers",  // NO_IMAGE_ON_CLIPBOARD
    "Enregistré",  // SAVED
    "Échec de l’enregistrement",  // SAVE_FAILED
    "Image PNG (*.png)",  // FILTER_PNG
    "Rectangle",  // TOOL_RECTANGLE
    "Ellipse",  // TOOL_ELLIPSE
    "Flèche",  // TOOL_ARROW
    "Ligne / polyligne",  // TOOL_LINE
    "Stylo",  // TOOL_PEN
    "Surligneur",  // TOOL_HIGHLIGHTER
    "Mosaïque",  // TOOL_MOSAIC
    "Texte",  // TOOL_TEXT
    "Numéro",  // TOOL_NUMBER
    "Projecteur",  // TOOL_SPOTLIGHT
    "Gomme",  // TOOL_ERASER
    "Annuler",  // TOOL_UNDO
    "Rétablir",  // TOOL_REDO
    "Terminé",  // TOOL_DONE
    "Couleur personnalisée",  // TOOL_CUSTOM_COLOR
    "Remplir",  // STYLE_FILL
    "Zone",  // STYLE_BOX
    "Flou",  // STYLE_BLUR
    "Contour",  // STYLE_OUTLINE
    "Abandonner vos annotations\u00a0?",  // CONFIRM_DISCARD_ANNOTATIONS
    "Annoter\tEspace",  // PIN_MENU_ANNOTATE
    "Masquer les annotations",  // PIN_MENU_HIDE_ANNOTATIONS
    "Afficher les annotations",  // PIN_MENU_SHOW_ANNOTATIONS
    "Reconnaître le texte",  // TOOLBAR_RECOGNIZE_TEXT
    "Texte reconnu — Ormick Oxel",  // OCR_WINDOW_TITLE
    "Copier et fermer",  // OCR_COPY_AND_CLOSE
    "Fermer",  // OCR_CLOSE
    "Conserver les sauts de ligne",  // OCR_KEEP_LINE_BREAKS
    "Aucun texte trouvé",  // OCR_NO_TEXT
    "Échec de la reconnaissance du texte",  // OCR_FAILED
    "Reconnaître le texte\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "Image",  // PIN_MENU_IMAGE
    "Faire pivoter à gauche",  // PIN_MENU_ROTATE_LEFT
    "Faire pivoter à droite",  // PIN_MENU_ROTATE_RIGHT
    "Retourner horizontalement",  // PIN_MENU_FLIP_H
    "Retourner verticalement",  // PIN_MENU_FLIP_V
    "Nuances de gris",  // PIN_MENU_GRAYSCALE
    "Inverser les couleurs",  // PIN_MENU_INVERT
    "Miniature\tMaj+double-clic",  // PIN_MENU_THUMBNAIL
    "Verrouiller la position et la taille",  // PIN_MENU_LOCK
    "Laisser passer les clics",  // PIN_MENU_CLICK_THROUGH
    "Imprimer…",  // PIN_MENU_PRINT
    "Capturer dans 3 secondes",  // MENU_CAPTURE_DELAYED
    "Capturer et copier",  // MENU_CAPTURE_COPY
    "Historique",  // MENU_HISTORY
    "Épingler la dernière capture",  // MENU_PIN_LAST_CAPTURE
    "Ouvrir le dossier de l’historique",  // MENU_OPEN_HISTORY_FOLDER
    "Désactiver le passage des clics sur toutes les images épinglées",  // MENU_CLICK_THROUGH_OFF_ALL
    "Image JPEG (*.jpg)",  // FILTER_JPEG
    "Document PDF (*.pdf)",  // FILTER_PDF
    "Aucune capture dans l’historique pour l’instant",  // HISTORY_EMPTY
    "Élément",  // DETECT_ELEMENT_LABEL
    "fr",  // LANG_CODE
    "Capture défilante",  // TOOLBAR_SCROLL_CAPTURE
    "Enregistrer l’écran",  // TOOLBAR_RECORD
    "Code QR",  // TOOLBAR_QR
    "Masquer les données personnelles",  // TOOLBAR_REDACT
    "Aucune donnée personnelle trouvée (e-mails, numéros de téléphone, d’identité et de carte, mots de passe…)",  // REDACT_NOTHING_FOUND
    "Langue",  // OCR_LANGUAGE_LABEL
    "Automatique (toutes les langues installées)",  // OCR_LANGUAGE_AUTO
    "Ajouter une langue…",  // OCR_ADD_LANGUAGE
    "Reconnaissance en cours…",  // OCR_RECOGNIZING
    "Épingler en direct",  // TOOLBAR_LIVE_PIN
    "Faites défiler vers le bas (ou cliquez sur «\u00a0Défilement auto\u00a0»)",  // SCROLL_HINT
    "Défilement auto",  // SCROLL_AUTO
    "Défilement automatique en cours\u00a0; éloignez la souris pour l’arrêter",  // SCROLL_AUTO_RUNNING
    "Fin atteinte",  // SCROLL_END_REACHED
    "Longueur maximale atteinte",  // SCROLL_MAX_LENGTH
    "Défilement trop rapide, remontez un peu",  // SCROLL_TOO_FAST
    "Capture défilante copiée",  // SCROLL_COPIED
    "Enregistrement en cours",  // RECORD_RECORDING
    "■ Arrêter",  // RECORD_STOP_BUTTON
    "Enregistrement sauvegardé",  // RECORD_SAVED
    "Le fichier est dans le Presse-papiers, prêt à être collé",  // RECORD_ON_CLIPBOARD
    "Échec de l’enregistrement de l’écran",  // RECORD_FAILED
    "Arrêter l’enregistrement",  // MENU_STOP_RECORDING
    "Code QR — Ormick Oxel",  // QR_WINDOW_TITLE
    "Aucun code QR trouvé",  // QR_NOT_FOUND
    "Ouvrir le lien",  // OPEN_LINK
    "Traduire",  // TRANSLATE
    "Texte trop long\u00a0: il a été copié, collez-le dans la page de traduction",  // TRANSLATE_TEXT_TOO_LONG
    "Copier la vue actuelle\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "Convertir en image épinglée normale (arrêter la mise à jour)",  // LIVE_MENU_MAKE_STATIC
    "Sélectionnez une zone dans une fenêtre pour l’épingler en direct",  // LIVE_PIN_HINT
    "Paramètres d’Ormick Oxel",  // PREFS_TITLE
    "Raccourcis clavier",  // PREFS_HOTKEYS
    "Cliquez dans une case, puis appuyez sur la nouvelle combinaison de touches. Retour arrière l’efface (désactivé).",  // PREFS_HOTKEY_HINT
    "(aucun)",  // PREFS_HOTKEY_NONE
    "Appuyez sur les touches…",  // PREFS_HOTKEY_PRESS_KEYS
    "Utilisé par un autre programme",  // PREFS_HOTKEY_IN_USE
    "Identique à «\u00a0{name}\u00a0»",  // PREFS_HOTKEY_SAME_AS
    "Ajoutez Ctrl, Alt ou Win",  // PREFS_HOTKEY_NEED_MODIFIER
    "Général",  // PREFS_GENERAL
    "Dossier d’enregistrement",  // PREFS_SAVE_FOLDER
    "Images (par défaut)",  // PREFS_SAVE_FOLDER_DEFAULT
    "Parcourir…",  // PREFS_BROWSE
    "Conserver les captures récentes",  // PREFS_HISTORY
    "(0 = désactivé)",  // PREFS_HISTORY_OFF_HINT
    "Capture économe en mémoire (GDI\u00a0: ~30 Mo de RAM en moins, chaque capture ~60 ms plus lente)",  // PREFS_LOW_MEMORY
    "Sélection automatique",  // PREFS_DETECT_AUTO
    "Fenêtres entières",  // PREFS_DETECT_WINDOWS
    "Éléments d’interface des fenêtres",  // PREFS_DETECT_ELEMENTS
    "Tab pour basculer",  // PREFS_DETECT_TAB_HINT
    "Format",  // PREFS_RECORD_FORMAT
    "Images par seconde",  // PREFS_RECORD_FPS
    "(15 au maximum en GIF)",  // PREFS_RECORD_FPS_HINT
    "Afficher le pointeur de la souris",  // PREFS_RECORD_CURSOR
    "Traduire en",  // PREFS_TRANSLATE_INTO
    "Langue de l’interface",  // PREFS_TRANSLATE_SAME_AS_UI
    "Modifier le fichier de paramètres…",  // PREFS_EDIT_FILE
    "Aucune langue de reconnaissance de texte n'est installée. Ajoutez-en une dans les paramètres de langue de Windows.",  // OCR_NO_LANGUAGE
    "L'image est trop grande pour la reconnaissance de texte.",  // OCR_IMAGE_TOO_LARGE
    "Impossible d’épingler en direct : {name}",  // LIVE_PIN_FAILED
    "Échec de la copie",  // COPY_FAILED
    "Un autre programme utilise le presse-papiers. Réessayez.",  // CLIPBOARD_BUSY
    "Impossible de modifier « Lancer au démarrage de Windows »",  // AUTOSTART_FAILED
    "Échec de l'impression",  // PRINT_FAILED
    "Impossible de lire le fichier de paramètres",  // SETTINGS_READ_FAILED
    "Aucune image n’a été enregistrée",  // RECORD_NO_FRAME
    "Impossible d’ouvrir la fenêtre du résultat",  // RESULT_WINDOW_FAILED
    "Le texte est dans le Presse-papiers, prêt à être collé",  // TEXT_ON_CLIPBOARD
    "Échec de la capture",  // CAPTURE_FAILED
    "Mémoire insuffisante pour les images de l’écran : fermez quelques programmes et réessayez",  // CAPTURE_NO_MEMORY
    "L’image est trop grande pour être épinglée ({name}). Les images jusqu’à 268 millions de pixels peuvent être épinglées.",  // PIN_IMAGE_TOO_LARGE
    "Raccourci inopérant",  // HOTKEY_PROBLEM_TITLE
    "{name}={keys} dans settings.ini n’est pas une combinaison de touches\u00a0: ce raccourci est désactivé.",  // HOTKEY_NOT_A_KEY
    "«\u00a0{name}\u00a0» et «\u00a0{other}\u00a0» utilisent tous deux {keys}\u00a0: seul «\u00a0{name}\u00a0» fonctionne.",  // HOTKEY_SAME_KEY
    "Capture non conservée dans l’historique",  // HISTORY_NOT_KEPT
    "Copier, enregistrer et épingler fonctionnent toujours, mais les captures ne sont plus conservées dans l’historique tant qu’il ne peut pas être écrit.",  // HISTORY_NOT_KEPT_TEXT
    "L’enregistrement MP4 nécessite Windows Media Foundation, qui n’est pas installé (sur les éditions N et KN de Windows, ajoutez le Media Feature Pack). L’enregistrement GIF fonctionne sans.",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
