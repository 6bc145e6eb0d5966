#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

const iconv_t FAILED = reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1));

struct Converted {
    bool ok;
    std::string text;
    int error;
};

Converted convert(const char* from, const std::string& bytes, size_t room = 64) {
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == FAILED) return {false, "not opened", errno};
    std::string in = bytes, out(room, '\0');
    char* ip = in.data();
    char* op = out.data();
    size_t il = in.size(), ol = out.size();
    errno = 0;
    const size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) {
        // A failure leaves both buffers where they were.
        EXPECT_EQ(ip, in.data());
        EXPECT_EQ(ol, room);
        return {false, "", errno};
    }
    EXPECT_EQ(il, 0u);
    return {true, out.substr(0, room - ol), 0};
}

}  // namespace

TEST(QrIconv, OpensTheCharacterSetsQrCodesDeclare) {
    for (const char* name : {"UTF-8", "utf8", "ISO8859-1", "ISO-8859-2", "ISO8859-5", "ISO8859-7", "ISO8859-9",
                             "ISO8859-15", "CP437", "SJIS", "CP932", "BIG-5", "BIG5"}) {
        iconv_t cd = iconv_open("UTF-8", name);
        EXPECT_NE(cd, FAILED) << name;
        if (cd != FAILED) {
            EXPECT_EQ(iconv_close(cd), 0);
        }
    }
    for (const char* name : {"ISO8859-12", "ISO8859-0", "ISO8859-17", "ISO8859-", "EBCDIC", "UTF-16", ""}) {
        errno = 0;
        EXPECT_EQ(iconv_open("UTF-8", name), FAILED) << name;
        EXPECT_EQ(errno, EINVAL) << name;
    }
    EXPECT_EQ(iconv_open("SJIS", "UTF-8"), FAILED);  // only into UTF-8
}

TEST(QrIconv, ConvertsValidInputAndFailsOnInvalid) {
    struct Case {
        const char* from;
        std::string in;
        bool ok;
        std::string out;
    };
    const Case cases[] = {
        {"UTF-8", "K\xC3\xB6ln", true, "K\xC3\xB6ln"},
        {"UTF-8", "a\xC3", false, ""},              // truncated
        {"UTF-8", "\xC0\xAF", false, ""},           // overlong
        {"UTF-8", "\xED\xA0\x80", false, ""},       // encoded surrogate
        {"SJIS", "\x93\xFA\x96\x7B", true, "\xE6\x97\xA5\xE6\x9C\xAC"},
        {"SJIS", "\xC3\xBD\xC4", true, "\xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84"},  // half-width katakana
        {"SJIS", "Gr\xFC\xDF" "e", false, ""},      // a lead byte with an undefined pair
        {"SJIS", "a\x93", false, ""},               // a lead byte without its second byte
        {"ISO8859-1", "Gr\xFC\xDF" "e", true, "Gr\xC3\xBC\xC3\x9F" "e"},
        {"ISO8859-2", "\xB1", true, "\xC4\x85"},
        {"CP437", "\x81", true, "\xC3\xBC"},
        {"BIG-5", "\xA4\xA4", true, "\xE4\xB8\xAD"},
    };
    for (const Case& c : cases) {
        const Converted r = convert(c.from, c.in);
        EXPECT_EQ(r.ok, c.ok) << c.from << " " << c.in;
        if (c.ok) {
            EXPECT_EQ(r.text, c.out) << c.from;
        } else {
            EXPECT_EQ(r.error, EILSEQ) << c.from << " " << c.in;
        }
    }
}

TEST(QrIconv, TooLittleRoomFailsWithoutWriting) {
    const Converted r = convert("ISO8859-1", "\xFC\xFC", 3);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, E2BIG);
    EXPECT_TRUE(convert("ISO8859-1", "\xFC\xFC", 4).ok);
}

TEST(QrIconv, NullInputResetsAndClosedHandleFails) {
    iconv_t cd = iconv_open("UTF-8", "SJIS");
    ASSERT_NE(cd, FAILED);
    EXPECT_EQ(iconv(cd, nullptr, nullptr, nullptr, nullptr), 0u);
    EXPECT_EQ(iconv_close(cd), 0);
    EXPECT_EQ(iconv_close(FAILED), -1);
}
