#pragma once
// The text of a QR code's data bytes. Platform-free (iconv: the C library's, or ours on Windows).
#include <string>
#include <string_view>
#include <vector>

// UTF-8 as it stands (a leading byte-order mark dropped) when the bytes are valid UTF-8, else
// Shift-JIS as Windows reads it (code page 932) when they are valid there, else Latin-1.
std::string qr_text_from_bytes(std::string_view bytes);

// Decoded QR texts, one empty line between codes.
std::string join_qr_texts(const std::vector<std::string>& texts);
