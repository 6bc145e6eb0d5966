#include "redact/redact_rules.h"

#include <array>

#include "redact/redact_labels.h"
#include "redact/redact_line.h"

namespace {

bool is_email_local(char32_t c) {
    return scan_alnum(c) || c == U'.' || c == U'_' || c == U'%' || c == U'+' || c == U'-';
}
bool is_email_domain(char32_t c) { return scan_alnum(c) || c == U'-' || c == U'.'; }
bool is_token_char(char32_t c) { return scan_alnum(c) || c == U'_' || c == U'-'; }
// A character that makes what follows it part of the same word.
bool is_word_char(char32_t c) { return c == U'_' || scan_alnum(c); }

char32_t at(std::u32string_view t, size_t i) { return i < t.size() ? t[i] : 0; }

// The end of the token-like run that starts at i ('.' continues it when a run character follows).
size_t token_run_end(std::u32string_view t, size_t i) {
    while (i < t.size() && (is_token_char(t[i]) || (t[i] == U'.' && is_token_char(at(t, i + 1))))) ++i;
    return i;
}

enum class CharClass { Upper, Lower, Digit, Other };
CharClass class_of(char32_t c) {
    if (c >= U'A' && c <= U'Z') return CharClass::Upper;
    if (c >= U'a' && c <= U'z') return CharClass::Lower;
    if (scan_digit(c)) return CharClass::Digit;
    return CharClass::Other;
}

constexpr std::array<std::u32string_view, 15> TOKEN_PREFIXES = {
    U"sk-", U"sk_", U"pk_live_", U"rk_", U"xox", U"eyJ", U"ghp_", U"gho_", U"ghs_", U"ghu_", U"glpat-",
    U"github_pat_", U"AKIA", U"ASIA", U"AIza",
};

bool is_token(std::u32string_view run) {
    if (run.size() < 20) return false;
    for (std::u32string_view prefix : TOKEN_PREFIXES)
        if (run.substr(0, prefix.size()) == prefix) return true;
    bool upper = false, lower = false;
    size_t digits = 0, changes = 0;
    for (size_t i = 0; i < run.size(); ++i) {
        const CharClass c = class_of(run[i]);
        upper |= c == CharClass::Upper;
        lower |= c == CharClass::Lower;
        digits += c == CharClass::Digit;
        if (i > 0 && c != class_of(run[i - 1])) ++changes;
    }
    return upper && lower && digits >= 2 && 3 * changes >= run.size();
}

// A piece split off a token: at least 4 run characters holding a digit and a letter.
bool is_token_piece(std::u32string_view run) {
    bool digit = false, letter = false;
    for (char32_t c : run) {
        digit |= scan_digit(c);
        letter |= scan_letter(c);
    }
    return run.size() >= 4 && digit && letter;
}

bool is_date(std::u32string_view digits) {
    auto number = [&](size_t from, size_t n) {
        int v = 0;
        for (size_t i = from; i < from + n; ++i) v = v * 10 + static_cast<int>(digits[i] - U'0');
        return v;
    };
    const int year = number(0, 4), month = number(4, 2), day = number(6, 2);
    return year >= 1900 && year <= 2100 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

bool is_number_punct(char32_t c) { return c == U',' || c == U'.' || c == U'/' || c == U':'; }
bool in_digit_run(char32_t c) {
    return scan_digit(c) || c == U' ' || c == U'(' || c == U')' || c == U'+' || c == U'-';
}

// Whether [start, end) of a digit run stands alone: not a price, not the tail of a decimal or
// a fraction, not glued to a word.
bool digit_run_stands_alone(std::u32string_view t, size_t start, size_t end) {
    if (start > 0) {
        const char32_t before = t[start - 1];
        if (scan_alnum(before) || before == U'$' || before == U'_') return false;
        if (is_number_punct(before) && start > 1 && scan_digit(t[start - 2])) return false;
    }
    const char32_t after = at(t, end);
    if (scan_alnum(after) || after == U'_') return false;
    if (is_number_punct(after) && scan_digit(at(t, end + 1))) return false;
    return true;
}

// The run [start, end) as a number: a match, or none.
bool digit_run_matches(std::u32string_view t, size_t start, size_t end) {
    std::u32string digits;
    size_t groups = 0, short_groups = 0;
    for (size_t i = start; i < end;) {
        if (!scan_digit(t[i])) {
            ++i;
            continue;
        }
        const size_t g = i;
        while (i < end && scan_digit(t[i])) digits.push_back(t[i++]);
        ++groups;
        short_groups += i - g < 3;
    }
    if (digits.size() < 8 || digits.size() > 19 || groups > 6 || short_groups > 1) return false;
    return !(groups == 1 && digits.size() == 8 && is_date(digits));
}

// Cut back to the last digit or ')'.
size_t trim_digit_run(std::u32string_view t, size_t start, size_t end) {
    while (end > start && !scan_digit(t[end - 1]) && t[end - 1] != U')') --end;
    return end;
}

}  // namespace

void find_emails(std::u32string_view t, std::vector<TextRange>& out) {
    for (size_t at_sign = 0; at_sign < t.size(); ++at_sign) {
        if (t[at_sign] != U'@') continue;
        size_t local_end = at_sign;
        if (local_end > 0 && t[local_end - 1] == U' ') --local_end;
        size_t local = local_end;
        while (local > 0 && is_email_local(t[local - 1])) --local;
        if (local == local_end) continue;
        size_t domain = at_sign + 1;
        if (at(t, domain) == U' ') ++domain;
        size_t end = domain;
        while (end < t.size() && is_email_domain(t[end])) ++end;
        while (end > domain && (t[end - 1] == U'-' || t[end - 1] == U'.')) --end;
        const std::u32string_view host = t.substr(domain, end - domain);
        const size_t dot = host.rfind(U'.');
        if (dot == std::u32string_view::npos) continue;
        const std::u32string_view tld = host.substr(dot + 1);
        bool letters = tld.size() >= 2;
        for (char32_t c : tld) letters = letters && scan_letter(c);
        if (letters) out.push_back({local, end});
    }
}

void find_tokens(std::u32string_view t, std::vector<TextRange>& out) {
    for (size_t i = 0; i < t.size();) {
        if (!is_token_char(t[i])) {
            ++i;
            continue;
        }
        size_t end = token_run_end(t, i);
        if (is_token(t.substr(i, end - i))) {
            for (;;) {
                size_t gap = end;
                while (gap < t.size() && (t[gap] == U' ' || t[gap] == U'|')) ++gap;
                if (gap == end || gap - end > 3) break;
                const size_t piece_end = token_run_end(t, gap);
                if (!is_token_piece(t.substr(gap, piece_end - gap))) break;
                end = piece_end;
            }
            out.push_back({i, end});
        }
        i = end;
    }
}

void find_identity_numbers(std::u32string_view t, std::vector<TextRange>& out) {
    for (size_t i = 0; i < t.size(); ++i) {
        if (!scan_letter(t[i]) || (i > 0 && is_word_char(t[i - 1]))) continue;
        size_t j = i + 1;
        const char32_t c = at(t, j);
        const char32_t first = (c == U'I' || c == U'l' || c == U'|') ? U'1' : c;
        if (first != U'1' && first != U'2' && first != U'8' && first != U'9') continue;
        ++j;
        for (int spaces = 0; spaces < 2 && at(t, j) == U' '; ++spaces) ++j;
        size_t digits = 1;
        while (digits < 9 && scan_digit(at(t, j))) {
            ++digits;
            ++j;
        }
        if (digits == 9 && !is_word_char(at(t, j))) out.push_back({i, j});
    }
}

void find_ipv4(std::u32string_view t, std::vector<TextRange>& out) {
    for (size_t i = 0; i < t.size(); ++i) {
        if (!scan_digit(t[i])) continue;
        if (i > 0 && (t[i - 1] == U'.' || is_word_char(t[i - 1]))) continue;
        size_t j = i;
        bool ok = true;
        for (int group = 0; group < 4 && ok; ++group) {
            if (group > 0) {
                ok = at(t, j) == U'.';
                ++j;
            }
            int value = 0;
            size_t n = 0;
            while (ok && n < 3 && scan_digit(at(t, j))) {
                value = value * 10 + static_cast<int>(t[j++] - U'0');
                ++n;
            }
            ok = ok && n > 0 && value <= 255;
        }
        if (!ok || is_word_char(at(t, j)) || (at(t, j) == U'.' && scan_digit(at(t, j + 1)))) continue;
        out.push_back({i, j});
    }
}

void find_digit_runs(std::u32string_view t, std::vector<TextRange>& out) {
    for (size_t i = 0; i < t.size();) {
        const bool starts = scan_digit(t[i]) || ((t[i] == U'(' || t[i] == U'+') && scan_digit(at(t, i + 1)));
        if (!starts) {
            ++i;
            continue;
        }
        size_t run_end = i;
        while (run_end < t.size() && in_digit_run(t[run_end])) ++run_end;
        size_t end = trim_digit_run(t, i, run_end);
        // A run that ends in a time of day ("... 10:30") loses that last group.
        size_t k = end;
        while (at(t, k) == U' ') ++k;
        if (at(t, k) == U':') {
            ++k;
            while (at(t, k) == U' ') ++k;
            if (scan_digit(at(t, k))) {
                while (end > i && scan_digit(t[end - 1])) --end;
                end = trim_digit_run(t, i, end);
            }
        }
        bool has_digit = false;
        for (size_t p = i; p < end; ++p) has_digit |= scan_digit(t[p]);
        if (has_digit && digit_run_stands_alone(t, i, end) && digit_run_matches(t, i, end)) out.push_back({i, end});
        i = run_end;
    }
}

std::vector<TextRange> find_personal_data(std::u32string_view text) {
    std::vector<TextRange> out;
    find_emails(text, out);
    find_label_values(text, out);
    find_tokens(text, out);
    find_identity_numbers(text, out);
    find_ipv4(text, out);
    find_digit_runs(text, out);
    return out;
}
