#include "strings/tables.h"

// Portuguese (Brazil).
const UiStrings UI_STRINGS_PT = {{
    "Segoe UI",  // UI_FONT_FACE
    "Ormick Oxel\n{cap} capturar · {pin} fixar",  // TRAY_TOOLTIP
    "Capturar",  // MENU_CAPTURE
    "Fixar imagem da área de transferência",  // MENU_PIN_CLIPBOARD
    "Mostrar / ocultar todas as imagens fixadas",  // MENU_SHOW_HIDE_PINS
    "Fechar todas as imagens fixadas",  // MENU_CLOSE_ALL_PINS
    "Restaurar a última imagem fixada fechada",  // MENU_RESTORE_CLOSED_PIN
    "Iniciar com o Windows",  // MENU_START_WITH_WINDOWS
    "Configurações…",  // MENU_SETTINGS
    "Recarregar configurações",  // MENU_RELOAD_SETTINGS
    "Abrir pasta de capturas de tela",  // MENU_OPEN_SCREENSHOT_FOLDER
    "Sair",  // MENU_EXIT
    "Fixar",  // TOOLBAR_PIN
    "Salvar",  // TOOLBAR_SAVE
    "Copiar",  // TOOLBAR_COPY
    "Cancelar",  // TOOLBAR_CANCEL
    "C copiar · Shift formato",  // MAGNIFIER_HINT
    "Copiar\tCtrl+C",  // PIN_MENU_COPY
    "Salvar como…\tCtrl+S",  // PIN_MENU_SAVE_AS
    "Tamanho real\tCtrl+0",  // PIN_MENU_ACTUAL_SIZE
    "Opacidade",  // PIN_MENU_OPACITY
    "Fechar\tEsc",  // PIN_MENU_CLOSE
    "Fechar todas as imagens fixadas",  // PIN_MENU_CLOSE_ALL
    "Opacidade",  // OPACITY_CAPTION
    "Ormick Oxel está em execução",  // BALLOON_RUNNING_TITLE
    "{cap} para capturar, {pin} para fixar a imagem da área de transferência. Clique com o botão direito no ícone da bandeja para abrir o menu.",  // BALLOON_RUNNING_TEXT
    "Tecla de atalho em uso",  // BALLOON_HOTKEY_IN_USE_TITLE
    "{keys} está em uso por outro programa (ex.: ferramenta de captura). Feche-o e escolha “Recarregar configurações” no menu da bandeja ou outra tecla nas Configurações.",  // BALLOON_HOTKEY_IN_USE_TEXT
    "Nenhuma imagem na área de transferência",  // NO_IMAGE_ON_CLIPBOARD
    "Salvo",  // SAVED
    "Falha ao salvar",  // SAVE_FAILED
    "Imagem PNG (*.png)",  // FILTER_PNG
    "Retângulo",  // TOOL_RECTANGLE
    "Elipse",  // TOOL_ELLIPSE
    "Seta",  // TOOL_ARROW
    "Linha / polilinha",  // TOOL_LINE
    "Caneta",  // TOOL_PEN
    "Marca-texto",  // TOOL_HIGHLIGHTER
    "Mosaico",  // TOOL_MOSAIC
    "Texto",  // TOOL_TEXT
    "Número",  // TOOL_NUMBER
    "Holofote",  // TOOL_SPOTLIGHT
    "Borracha",  // TOOL_ERASER
    "Desfazer",  // TOOL_UNDO
    "Refazer",  // TOOL_REDO
    "Concluído",  // TOOL_DONE
    "Cor personalizada",  // TOOL_CUSTOM_COLOR
    "Preenchimento",  // STYLE_FILL
    "Área",  // STYLE_BOX
    "Desfoque",  // STYLE_BLUR
    "Contorno",  // STYLE_OUTLINE
    "Descartar suas anotações?",  // CONFIRM_DISCARD_ANNOTATIONS
    "Anotar\tEspaço",  // PIN_MENU_ANNOTATE
    "Ocultar anotações",  // PIN_MENU_HIDE_ANNOTATIONS
    "Mostrar anotações",  // PIN_MENU_SHOW_ANNOTATIONS
    "Reconhecer texto",  // TOOLBAR_RECOGNIZE_TEXT
    "Texto reconhecido — Ormick Oxel",  // OCR_WINDOW_TITLE
    "Copiar e fechar",  // OCR_COPY_AND_CLOSE
    "Fechar",  // OCR_CLOSE
    "Manter quebras de linha",  // OCR_KEEP_LINE_BREAKS
    "Nenhum texto encontrado",  // OCR_NO_TEXT
    "Falha no reconhecimento de texto",  // OCR_FAILED
    "Reconhecer texto\tO",  // PIN_MENU_RECOGNIZE_TEXT
    "Imagem",  // PIN_MENU_IMAGE
    "Girar para a esquerda",  // PIN_MENU_ROTATE_LEFT
    "Girar para a direita",  // PIN_MENU_ROTATE_RIGHT
    "Inverter horizontalmente",  // PIN_MENU_FLIP_H
    "Inverter verticalmente",  // PIN_MENU_FLIP_V
    "Escala de cinza",  // PIN_MENU_GRAYSCALE
    "Inverter cores",  // PIN_MENU_INVERT
    "Miniatura\tShift+clique duplo",  // PIN_MENU_THUMBNAIL
    "Bloquear posição e tamanho",  // PIN_MENU_LOCK
    "Deixar cliques passarem",  // PIN_MENU_CLICK_THROUGH
    "Imprimir…",  // PIN_MENU_PRINT
    "Capturar em 3 segundos",  // MENU_CAPTURE_DELAYED
    "Capturar e copiar",  // MENU_CAPTURE_COPY
    "Histórico",  // MENU_HISTORY
    "Fixar a última captura",  // MENU_PIN_LAST_CAPTURE
    "Abrir pasta do histórico",  // MENU_OPEN_HISTORY_FOLDER
    "Desativar a passagem de cliques em todas as imagens fixadas",  // MENU_CLICK_THROUGH_OFF_ALL
    "Imagem JPEG (*.jpg)",  // FILTER_JPEG
    "Documento PDF (*.pdf)",  // FILTER_PDF
    "Ainda não há histórico de capturas",  // HISTORY_EMPTY
    "Elemento",  // DETECT_ELEMENT_LABEL
    "pt",  // LANG_CODE
    "Captura com rolagem",  // TOOLBAR_SCROLL_CAPTURE
    "Gravar",  // TOOLBAR_RECORD
    "Código QR",  // TOOLBAR_QR
    "Ocultar dados pessoais",  // TOOLBAR_REDACT
    "Nenhum dado pessoal encontrado (e-mails, telefones, números de documentos e cartões, senhas…)",  // REDACT_NOTHING_FOUND
    "Idioma",  // OCR_LANGUAGE_LABEL
    "Automático (todos os idiomas instalados)",  // OCR_LANGUAGE_AUTO
    "Adicionar um idioma…",  // OCR_ADD_LANGUAGE
    "Reconhecendo…",  // OCR_RECOGNIZING
    "Fixação ao vivo",  // TOOLBAR_LIVE_PIN
    "Role para baixo (ou clique em “Rolagem automática”)",  // SCROLL_HINT
    "Rolagem automática",  // SCROLL_AUTO
    "Rolando automaticamente; afaste o mouse para parar",  // SCROLL_AUTO_RUNNING
    "Fim alcançado",  // SCROLL_END_REACHED
    "Comprimento máximo atingido",  // SCROLL_MAX_LENGTH
    "Rolagem rápida demais, volte um pouco",  // SCROLL_TOO_FAST
    "Captura com rolagem copiada",  // SCROLL_COPIED
    "Gravando",  // RECORD_RECORDING
    "■ Parar",  // RECORD_STOP_BUTTON
    "Gravação salva",  // RECORD_SAVED
    "O arquivo está na área de transferência, pronto para colar",  // RECORD_ON_CLIPBOARD
    "Falha na gravação",  // RECORD_FAILED
    "Parar gravação",  // MENU_STOP_RECORDING
    "Código QR — Ormick Oxel",  // QR_WINDOW_TITLE
    "Nenhum código QR encontrado",  // QR_NOT_FOUND
    "Abrir link",  // OPEN_LINK
    "Traduzir",  // TRANSLATE
    "Texto longo demais: ele foi copiado, cole-o na página de tradução",  // TRANSLATE_TEXT_TOO_LONG
    "Copiar a visualização atual\tCtrl+C",  // LIVE_MENU_COPY_VIEW
    "Transformar em imagem fixada normal (parar de atualizar)",  // LIVE_MENU_MAKE_STATIC
    "Selecione uma região dentro de uma janela para fixá-la ao vivo",  // LIVE_PIN_HINT
    "Configurações do Ormick Oxel",  // PREFS_TITLE
    "Teclas de atalho",  // PREFS_HOTKEYS
    "Clique em uma caixa e pressione a nova combinação de teclas. Backspace a apaga (desativada).",  // PREFS_HOTKEY_HINT
    "(nenhuma)",  // PREFS_HOTKEY_NONE
    "Pressione as teclas…",  // PREFS_HOTKEY_PRESS_KEYS
    "Em uso por outro programa",  // PREFS_HOTKEY_IN_USE
    "Igual a “{name}”",  // PREFS_HOTKEY_SAME_AS
    "Adicione Ctrl, Alt ou Win",  // PREFS_HOTKEY_NEED_MODIFIER
    "Geral",  // PREFS_GENERAL
    "Pasta de salvamento",  // PREFS_SAVE_FOLDER
    "Imagens (padrão)",  // PREFS_SAVE_FOLDER_DEFAULT
    "Procurar…",  // PREFS_BROWSE
    "Manter capturas recentes",  // PREFS_HISTORY
    "(0 = desativado)",  // PREFS_HISTORY_OFF_HINT
    "Captura com pouca memória (GDI: ~30 MB a menos de RAM, cada captura ~60 ms mais lenta)",  // PREFS_LOW_MEMORY
    "Seleção automática",  // PREFS_DETECT_AUTO
    "Janelas inteiras",  // PREFS_DETECT_WINDOWS
    "Elementos da interface nas janelas",  // PREFS_DETECT_ELEMENTS
    "Tab alterna",  // PREFS_DETECT_TAB_HINT
    "Formato",  // PREFS_RECORD_FORMAT
    "Quadros por segundo",  // PREFS_RECORD_FPS
    "(GIF no máximo 15)",  // PREFS_RECORD_FPS_HINT
    "Mostrar o ponteiro do mouse",  // PREFS_RECORD_CURSOR
    "Traduzir para",  // PREFS_TRANSLATE_INTO
    "Igual à interface",  // PREFS_TRANSLATE_SAME_AS_UI
    "Editar arquivo de configurações…",  // PREFS_EDIT_FILE
    "Nenhum idioma de reconhecimento de texto está instalado. Adicione um nas configurações de idioma do Windows.",  // OCR_NO_LANGUAGE
    "A imagem é grande demais para o reconhecimento de texto.",  // OCR_IMAGE_TOO_LARGE
    "Não foi possível criar a fixação ao vivo: {name}",  // LIVE_PIN_FAILED
    "Falha ao copiar",  // COPY_FAILED
    "Outro programa está usando a área de transferência. Tente novamente.",  // CLIPBOARD_BUSY
    "Não foi possível alterar \"Iniciar com o Windows\"",  // AUTOSTART_FAILED
    "Falha ao imprimir",  // PRINT_FAILED
    "Não foi possível ler o arquivo de configurações",  // SETTINGS_READ_FAILED
    "Nenhum quadro foi gravado",  // RECORD_NO_FRAME
    "Não foi possível abrir a janela de resultados",  // RESULT_WINDOW_FAILED
    "O texto está na área de transferência, pronto para colar",  // TEXT_ON_CLIPBOARD
    "Falha na captura",  // CAPTURE_FAILED
    "Memória insuficiente para as imagens da tela: feche alguns programas e tente novamente",  // CAPTURE_NO_MEMORY
    "A imagem é grande demais para fixar ({name}). É possível fixar imagens de até 268 milhões de pixels.",  // PIN_IMAGE_TOO_LARGE
    "Tecla de atalho não funciona",  // HOTKEY_PROBLEM_TITLE
    "{name}={keys} em settings.ini não é uma combinação de teclas, então esse atalho está desligado.",  // HOTKEY_NOT_A_KEY
    "“{name}” e “{other}” usam {keys}: só “{name}” funciona.",  // HOTKEY_SAME_KEY
    "A captura não foi guardada no histórico",  // HISTORY_NOT_KEPT
    "Copiar, salvar e fixar continuam funcionando, mas as capturas não são guardadas no histórico até que ele possa ser gravado novamente.",  // HISTORY_NOT_KEPT_TEXT
    "Gravar em MP4 requer o Windows Media Foundation, que não está instalado (nas edições N e KN do Windows, adicione o Media Feature Pack). A gravação em GIF funciona sem ele.",  // RECORD_NEEDS_MEDIA_FOUNDATION
}};
