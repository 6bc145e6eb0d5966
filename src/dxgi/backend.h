#pragma once
// What the desktop-duplication capturer asks of Direct3D 11 and DXGI 1.2. The capturer's
// decisions are platform-free; the real calls live in d3d_backend_win.cpp.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "dxgi/rotation.h"
#include "util/geometry.h"

using HResult = int32_t;

constexpr HResult hresult(uint32_t bits) { return static_cast<HResult>(bits); }
constexpr bool hr_failed(HResult hr) { return hr < 0; }

inline constexpr HResult HR_OK = 0;
inline constexpr HResult HR_NOT_IMPLEMENTED = hresult(0x80004001u);
inline constexpr HResult HR_NO_INTERFACE = hresult(0x80004002u);
inline constexpr HResult HR_POINTER = hresult(0x80004003u);
inline constexpr HResult HR_FAIL = hresult(0x80004005u);
inline constexpr HResult HR_ACCESS_DENIED = hresult(0x80070005u);
inline constexpr HResult HR_INVALID_ARG = hresult(0x80070057u);
inline constexpr HResult HR_DXGI_NOT_CURRENTLY_AVAILABLE = hresult(0x887A0022u);
inline constexpr HResult HR_DXGI_ACCESS_LOST = hresult(0x887A0026u);
inline constexpr HResult HR_DXGI_WAIT_TIMEOUT = hresult(0x887A0027u);
inline constexpr HResult HR_DXGI_SESSION_DISCONNECTED = hresult(0x887A0028u);

// DXGI_FORMAT_B8G8R8A8_UNORM: the only frame format the capturer reads.
inline constexpr uint32_t FORMAT_BGRA8 = 87;

// Failures of DuplicateOutput that pass by themselves (another desktop, a full-screen
// exclusive application, a session switch); any other failure lasts until a rebuild.
bool is_transient_duplicate_error(HResult hr);

// A backend object; a GpuRef is one owned reference to it (a COM reference in the real backend).
struct GpuObject {
    virtual ~GpuObject() = default;
};
using GpuRef = std::shared_ptr<GpuObject>;

struct AdapterInfo {
    GpuRef adapter;
    bool described = false;  // GetDesc1 succeeded
    uint64_t luid = 0;
    std::u16string description;  // as the adapter gives it, NULs included
};

struct OutputInfo {
    GpuRef output;  // its IDXGIOutput1; null when it has none
    bool attached = false;  // false also when GetDesc failed
    Rect rect;
    uint32_t rotation = 0;
};

struct DeviceRefs {
    GpuRef device;
    GpuRef context;
};

struct Created {
    HResult hr = HR_OK;
    GpuRef object;
};

struct AcquiredFrame {
    HResult hr = HR_OK;
    int64_t last_present_time = 0;
    GpuRef resource;
};

struct FrameSurface {
    HResult hr = HR_OK;  // HR_NO_INTERFACE when the resource is not a 2-D texture
    GpuRef texture;
    uint32_t width = 0, height = 0, format = 0;
};

enum class TextureUsage {
    Frame,    // default usage, no CPU access
    Staging,  // staging, CPU read
};

struct MappedTexels {
    HResult hr = HR_OK;
    const uint8_t* data = nullptr;
    uint32_t row_pitch = 0;
};

class DxgiBackend {
public:
    virtual ~DxgiBackend() = default;

    // Enumeration. Null or none means the end (or a failure that ends it).
    virtual GpuRef create_factory() = 0;
    virtual std::optional<AdapterInfo> adapter(const GpuRef& factory, uint32_t index) = 0;
    virtual std::optional<OutputInfo> output(const GpuRef& adapter, uint32_t index) = 0;
    virtual std::optional<DeviceRefs> create_device(const GpuRef& adapter) = 0;

    virtual Created duplicate_output(const GpuRef& output, const GpuRef& device) = 0;
    // AcquireNextFrame with a time-out of 0 ms.
    virtual AcquiredFrame acquire_next_frame(const GpuRef& duplication) = 0;
    virtual void release_frame(const GpuRef& duplication) = 0;
    virtual FrameSurface frame_surface(const GpuRef& resource) = 0;

    // BGRA, one mip level, array size 1, one sample, no bind or misc flags.
    virtual Created create_texture(const GpuRef& device, uint32_t width, uint32_t height, TextureUsage usage) = 0;
    virtual void copy_resource(const GpuRef& context, const GpuRef& dst, const GpuRef& src) = 0;
    // The box (depth 0 to 1) of subresource 0 of src to (0, 0) of dst.
    virtual void copy_region(const GpuRef& context, const GpuRef& dst, const GpuRef& src, const TexelBox& box) = 0;
    // Subresource 0 for reading.
    virtual MappedTexels map_read(const GpuRef& context, const GpuRef& texture) = 0;
    virtual void unmap(const GpuRef& context, const GpuRef& texture) = 0;

    virtual double now_ms() = 0;
    virtual std::string error_text(HResult hr) = 0;
};
