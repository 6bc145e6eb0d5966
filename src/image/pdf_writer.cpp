#include "image/pdf_writer.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <utility>

namespace {

class PdfBuffer {
public:
    void text(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    void raw(std::span<const uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    void number(uint64_t v) {
        char buf[24];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        text(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
    }
    size_t size() const { return bytes_.size(); }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace

std::string pdf_points(uint32_t pixels) {
    const float points = static_cast<float>(pixels) * 0.75f;
    char buf[64];
    // to_chars does not follow the locale, so the decimal mark is always '.'.
    const auto r = std::to_chars(buf, buf + sizeof buf, points, std::chars_format::fixed, 2);
    return std::string(buf, static_cast<size_t>(r.ptr - buf));
}

std::vector<uint8_t> write_pdf_with_jpeg(std::span<const uint8_t> jpeg, uint32_t width,
                                         uint32_t height) {
    const std::string w = pdf_points(width);
    const std::string h = pdf_points(height);
    const std::string content = "q " + w + " 0 0 " + h + " 0 0 cm /Im0 Do Q";

    PdfBuffer pdf;
    std::array<size_t, 5> offsets{};
    pdf.text("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");

    offsets[0] = pdf.size();
    pdf.text("1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");

    offsets[1] = pdf.size();
    pdf.text("2 0 obj\n<< /Type /Pages /Kids [3 0 R] /Count 1 >>\nendobj\n");

    offsets[2] = pdf.size();
    pdf.text("3 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ");
    pdf.text(w);
    pdf.text(" ");
    pdf.text(h);
    pdf.text("] /Resources << /XObject << /Im0 4 0 R >> >> /Contents 5 0 R >>\nendobj\n");

    offsets[3] = pdf.size();
    pdf.text("4 0 obj\n<< /Type /XObject /Subtype /Image /Width ");
    pdf.number(width);
    pdf.text(" /Height ");
    pdf.number(height);
    pdf.text(" /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode /Length ");
    pdf.number(jpeg.size());
    pdf.text(" >>\nstream\n");
    pdf.raw(jpeg);
    pdf.text("\nendstream\nendobj\n");

    offsets[4] = pdf.size();
    pdf.text("5 0 obj\n<< /Length ");
    pdf.number(content.size());
    pdf.text(" >>\nstream\n");
    pdf.text(content);
    pdf.text("\nendstream\nendobj\n");

    const size_t xref = pdf.size();
    pdf.text("xref\n0 6\n0000000000 65535 f \n");
    for (const size_t offset : offsets) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010llu 00000 n \n",
                      static_cast<unsigned long long>(offset));
        pdf.text(entry);
    }
    pdf.text("trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n");
    pdf.number(xref);
    pdf.text("\n%%EOF\n");
    return pdf.take();
}
