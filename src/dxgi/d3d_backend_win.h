#pragma once
// The Direct3D 11 / DXGI 1.2 backend of the capturer. It keeps no state of its own: every
// object it hands out is a COM reference the capturer owns. UI thread only (the devices are
// single-threaded).
#include "dxgi/backend.h"

DxgiBackend& d3d_backend();
