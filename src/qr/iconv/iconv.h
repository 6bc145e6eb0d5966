#ifndef ORMICK_ICONV_H
#define ORMICK_ICONV_H
/* The iconv interface for Windows builds, which have none: conversions into UTF-8 from the
   character sets a QR code can declare, over MultiByteToWideChar (src/qr/iconv_win.cpp).
   zbar is compiled against this header. Input that is not valid in its character set fails
   with EILSEQ; nothing is guessed. */
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void* iconv_t;

/* tocode must be "UTF-8"; fromcode one of "UTF-8", "ISO8859-1" to "ISO8859-16" (also spelled
   "ISO-8859-N"), "CP437", "SJIS", "CP932", "BIG-5" or "BIG5". Anything else, or a code page
   that this system lacks: (iconv_t)-1 with errno EINVAL. */
iconv_t iconv_open(const char* tocode, const char* fromcode);
/* Converts the whole input at once: on success advances both buffers and returns 0; on
   failure leaves them unchanged and returns (size_t)-1 with errno EILSEQ (invalid input) or
   E2BIG (output too small). Null input resets the (stateless) converter. */
size_t iconv(iconv_t cd, char** inbuf, size_t* inbytesleft, char** outbuf, size_t* outbytesleft);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif
#endif
