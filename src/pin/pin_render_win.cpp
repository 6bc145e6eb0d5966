#include "pin/pin_window_win.h"

void render_pin_image(PinRecord& pin) {
    pin.annotated_image.reset();
}
