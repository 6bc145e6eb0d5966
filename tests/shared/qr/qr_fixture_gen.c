/* Prints one QR fixture as a C++ initializer: the module rows ('#' dark, '.' light) of the
   code that libqrencode makes for the given bytes. Used only by make-fixtures.sh.
   Arguments: name, mode (8 = byte, K = kanji), ECI number (0: none), data as hex. */
#include <qrencode.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    const char* hex = argv[4];
    size_t n = strlen(hex) / 2;
    unsigned char* data = malloc(n + 1);
    for (size_t i = 0; i < n; ++i) sscanf(hex + 2 * i, "%2hhx", &data[i]);
    QRinput* input = QRinput_new2(0, QR_ECLEVEL_M);
    if (!input) return 1;
    unsigned eci = (unsigned)atoi(argv[3]);
    if (eci && QRinput_appendECIheader(input, eci) != 0) return 1;
    if (QRinput_append(input, argv[2][0] == 'K' ? QR_MODE_KANJI : QR_MODE_8, (int)n, data) != 0) return 1;
    QRcode* code = QRcode_encodeInput(input);
    if (!code) return 1;
    printf("const char* const %s_ROWS[] = {\n", argv[1]);
    for (int y = 0; y < code->width; ++y) {
        printf("    \"");
        for (int x = 0; x < code->width; ++x) putchar(code->data[y * code->width + x] & 1 ? '#' : '.');
        printf("\",\n");
    }
    printf("};\n");
    QRcode_free(code);
    QRinput_free(input);
    free(data);
    return 0;
}
