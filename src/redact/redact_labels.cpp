#include "redact/redact_labels.h"

#include <array>

#include "redact/redact_line.h"
#include "util/unicode.h"

namespace {

constexpr size_t MAX_VALUE = 80;

constexpr std::array<std::u32string_view, 48> SECRET = {
    U"password", U"passwd", U"pwd", U"passcode", U"pin", U"token", U"access token", U"secret",
    U"client secret", U"api key", U"apikey", U"api_key", U"access key", U"private key", U"otp",
    U"verification code", U"security code", U"cvv", U"cvc", U"密碼", U"密码", U"驗證碼", U"验证码",
    U"金鑰", U"密鑰", U"密钥", U"passwort", U"kennwort", U"bestätigungscode", U"mot de passe",
    U"code de vérification", U"clé api", U"contraseña", U"código de verificación", U"clave api", U"senha",
    U"código de verificação", U"chave de api", U"пароль", U"код подтверждения", U"токен", U"パスワード",
    U"暗証番号", U"認証コード", U"確認コード", U"비밀번호", U"인증번호", U"인증 코드",
};

constexpr std::array<std::u32string_view, 83> PERSONAL = {
    U"姓名", U"地址", U"住址", U"通訊地址", U"戶籍地址", U"生日", U"出生日期", U"出生年月日", U"身分證字號",
    U"身份證字號", U"身分證", U"身份證", U"身份证", U"身份证号", U"統一編號", U"統編", U"帳號", U"账号",
    U"戶名", U"户名", U"卡號", U"卡号", U"電話", U"手機", U"手机", U"电话", U"full name", U"address",
    U"birthday", U"date of birth", U"account no", U"account number", U"card number", U"phone", U"iban",
    U"vollständiger name", U"anschrift", U"adresse", U"geburtsdatum", U"kontonummer", U"kartennummer",
    U"telefon", U"nom complet", U"date de naissance", U"numéro de compte", U"numéro de carte", U"téléphone",
    U"nombre completo", U"dirección", U"fecha de nacimiento", U"número de cuenta", U"número de tarjeta",
    U"teléfono", U"nome completo", U"endereço", U"data de nascimento", U"número da conta",
    U"número do cartão", U"telefone", U"cpf", U"фио", U"адрес", U"дата рождения", U"номер счета",
    U"номер счёта", U"номер карты", U"телефон", U"паспорт", U"氏名", U"住所", U"生年月日", U"口座番号",
    U"カード番号", U"電話番号", U"携帯電話", U"성명", U"주소", U"생년월일", U"계좌번호", U"카드번호",
    U"전화번호", U"휴대폰", U"주민등록번호",
};

constexpr std::array<std::u32string_view, 19> QUERY_KEYS = {
    U"token", U"access_token", U"refresh_token", U"id_token", U"key", U"api_key", U"apikey",
    U"secret", U"sig", U"signature", U"password", U"pwd", U"auth", U"code", U"session",
    U"sessionid", U"session_id", U"sid", U"jwt",
};

// A character that glues to a following label, so the label would start inside a word.
bool joins_word(char32_t c) {
    return c == U'_' || scan_alnum(c) || (unicode_is_alphabetic(c) && !scan_cjk(c));
}

bool ends_secret_value(char32_t c) { return c == U' ' || c == U'&' || c == HARD_BREAK; }

}  // namespace

const LabelTable SECRET_LABELS{SECRET, U":=", false, false};
const LabelTable PERSONAL_LABELS{PERSONAL, U":", true, false};
const LabelTable URL_KEYS{QUERY_KEYS, U"=", false, true};

std::optional<TextRange> redact_match_label(std::u32string_view text, std::u32string_view lower, size_t p,
                                            const LabelTable& table) {
    if (p >= text.size() || lower.size() != text.size()) return std::nullopt;
    if (table.after_query_mark && (p == 0 || (text[p - 1] != U'?' && text[p - 1] != U'&' && text[p - 1] != U'#')))
        return std::nullopt;
    for (std::u32string_view label : table.labels) {
        if (lower.substr(p, label.size()) != label) continue;
        if (p > 0 && !scan_wide(label.front()) && joins_word(text[p - 1])) continue;
        size_t i = p + label.size();
        while (i < text.size() && text[i] == U' ') ++i;
        if (i >= text.size() || table.separators.find(text[i]) == std::u32string_view::npos) continue;
        ++i;
        while (i < text.size() && text[i] == U' ') ++i;
        const size_t start = i;
        while (i < text.size() && i - start < MAX_VALUE && text[i] != HARD_BREAK &&
               (table.value_to_line_end || !ends_secret_value(text[i])))
            ++i;
        while (i > start && text[i - 1] == U' ') --i;
        if (i > start) return TextRange{start, i};
    }
    return std::nullopt;
}

void find_label_values(std::u32string_view text, std::vector<TextRange>& out) {
    std::u32string lower(text);
    for (char32_t& c : lower) c = unicode_simple_lower(c);
    for (size_t p = 0; p < text.size(); ++p)
        for (const LabelTable* table : {&SECRET_LABELS, &PERSONAL_LABELS, &URL_KEYS})
            if (std::optional<TextRange> value = redact_match_label(text, lower, p, *table)) out.push_back(*value);
}
