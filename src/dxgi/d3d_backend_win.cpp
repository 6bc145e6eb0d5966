#include "dxgi/d3d_backend_win.h"

#include <windows.h>
#include <d3d11.h>
#include <dxgi1_2.h>

#include <iterator>

#include "util/clock.h"
#include "win/error.h"
#include "win/handles.h"

namespace {

constexpr UINT DEVICE_FLAGS = D3D11_CREATE_DEVICE_BGRA_SUPPORT | D3D11_CREATE_DEVICE_SINGLETHREADED;  // 0x21
static_assert(DEVICE_FLAGS == 0x21);
static_assert(D3D11_SDK_VERSION == 7);
static_assert(DXGI_FORMAT_B8G8R8A8_UNORM == FORMAT_BGRA8);

template <class T>
struct ComObject final : GpuObject {
    explicit ComObject(ComPtr<T> p) : ptr(std::move(p)) {}
    ComPtr<T> ptr;
};

template <class T>
GpuRef wrap(ComPtr<T> p) {
    if (!p) return {};
    return std::make_shared<ComObject<T>>(std::move(p));
}

template <class T>
T* unwrap(const GpuRef& ref) {
    auto* object = dynamic_cast<ComObject<T>*>(ref.get());
    return object ? object->ptr.Get() : nullptr;
}

class D3dBackend final : public DxgiBackend {
public:
    GpuRef create_factory() override {
        ComPtr<IDXGIFactory1> factory;
        if (FAILED(CreateDXGIFactory1(__uuidof(IDXGIFactory1), reinterpret_cast<void**>(factory.GetAddressOf()))))
            return {};
        return wrap(std::move(factory));
    }

    std::optional<AdapterInfo> adapter(const GpuRef& factory_ref, uint32_t index) override {
        IDXGIFactory1* factory = unwrap<IDXGIFactory1>(factory_ref);
        if (!factory) return std::nullopt;
        ComPtr<IDXGIAdapter1> adapter;
        if (FAILED(factory->EnumAdapters1(index, adapter.GetAddressOf())) || !adapter) return std::nullopt;
        AdapterInfo info;
        DXGI_ADAPTER_DESC1 desc{};
        if (SUCCEEDED(adapter->GetDesc1(&desc))) {
            info.described = true;
            info.luid = (static_cast<uint64_t>(static_cast<uint32_t>(desc.AdapterLuid.HighPart)) << 32) |
                        desc.AdapterLuid.LowPart;
            info.description.assign(std::begin(desc.Description), std::end(desc.Description));
        }
        info.adapter = wrap(std::move(adapter));
        return info;
    }

    std::optional<OutputInfo> output(const GpuRef& adapter_ref, uint32_t index) override {
        IDXGIAdapter1* adapter = unwrap<IDXGIAdapter1>(adapter_ref);
        if (!adapter) return std::nullopt;
        ComPtr<IDXGIOutput> output;
        if (FAILED(adapter->EnumOutputs(index, output.GetAddressOf())) || !output) return std::nullopt;
        OutputInfo info;
        DXGI_OUTPUT_DESC desc{};
        if (FAILED(output->GetDesc(&desc))) return info;
        info.attached = desc.AttachedToDesktop != FALSE;
        const RECT& r = desc.DesktopCoordinates;
        info.rect = Rect{r.left, r.top, r.right, r.bottom};
        info.rotation = static_cast<uint32_t>(desc.Rotation);
        ComPtr<IDXGIOutput1> output1;
        if (SUCCEEDED(output.As(&output1))) info.output = wrap(std::move(output1));
        return info;
    }

    std::optional<DeviceRefs> create_device(const GpuRef& adapter_ref) override {
        IDXGIAdapter1* adapter = unwrap<IDXGIAdapter1>(adapter_ref);
        if (!adapter) return std::nullopt;
        ComPtr<ID3D11Device> device;
        ComPtr<ID3D11DeviceContext> context;
        const HRESULT hr = D3D11CreateDevice(adapter, D3D_DRIVER_TYPE_UNKNOWN, nullptr, DEVICE_FLAGS, nullptr, 0,
                                             D3D11_SDK_VERSION, device.GetAddressOf(), nullptr,
                                             context.GetAddressOf());
        if (FAILED(hr) || !device || !context) return std::nullopt;
        return DeviceRefs{wrap(std::move(device)), wrap(std::move(context))};
    }

    Created duplicate_output(const GpuRef& output_ref, const GpuRef& device_ref) override {
        IDXGIOutput1* output = unwrap<IDXGIOutput1>(output_ref);
        ID3D11Device* device = unwrap<ID3D11Device>(device_ref);
        if (!output || !device) return {HR_POINTER, {}};
        ComPtr<IDXGIOutputDuplication> duplication;
        const HRESULT hr = output->DuplicateOutput(device, duplication.GetAddressOf());
        return {hr, wrap(std::move(duplication))};
    }

    AcquiredFrame acquire_next_frame(const GpuRef& duplication_ref) override {
        IDXGIOutputDuplication* duplication = unwrap<IDXGIOutputDuplication>(duplication_ref);
        if (!duplication) return {HR_POINTER, 0, {}};
        DXGI_OUTDUPL_FRAME_INFO info{};
        ComPtr<IDXGIResource> resource;
        const HRESULT hr = duplication->AcquireNextFrame(0, &info, resource.GetAddressOf());
        return {hr, info.LastPresentTime.QuadPart, wrap(std::move(resource))};
    }

    void release_frame(const GpuRef& duplication_ref) override {
        if (IDXGIOutputDuplication* duplication = unwrap<IDXGIOutputDuplication>(duplication_ref))
            duplication->ReleaseFrame();
    }

    FrameSurface frame_surface(const GpuRef& resource_ref) override {
        IDXGIResource* resource = unwrap<IDXGIResource>(resource_ref);
        if (!resource) return {HR_POINTER, {}, 0, 0, 0};
        ComPtr<ID3D11Texture2D> texture;
        const HRESULT hr = resource->QueryInterface(__uuidof(ID3D11Texture2D),
                                                    reinterpret_cast<void**>(texture.GetAddressOf()));
        if (FAILED(hr) || !texture) return {FAILED(hr) ? hr : HR_NO_INTERFACE, {}, 0, 0, 0};
        D3D11_TEXTURE2D_DESC desc{};
        texture->GetDesc(&desc);
        return {HR_OK, wrap(std::move(texture)), desc.Width, desc.Height, static_cast<uint32_t>(desc.Format)};
    }

    Created create_texture(const GpuRef& device_ref, uint32_t width, uint32_t height, TextureUsage usage) override {
        ID3D11Device* device = unwrap<ID3D11Device>(device_ref);
        if (!device) return {HR_POINTER, {}};
        D3D11_TEXTURE2D_DESC desc{};
        desc.Width = width;
        desc.Height = height;
        desc.MipLevels = 1;
        desc.ArraySize = 1;
        desc.Format = DXGI_FORMAT_B8G8R8A8_UNORM;
        desc.SampleDesc.Count = 1;
        desc.SampleDesc.Quality = 0;
        desc.Usage = usage == TextureUsage::Staging ? D3D11_USAGE_STAGING : D3D11_USAGE_DEFAULT;
        desc.BindFlags = 0;
        desc.CPUAccessFlags = usage == TextureUsage::Staging ? D3D11_CPU_ACCESS_READ : 0;
        desc.MiscFlags = 0;
        ComPtr<ID3D11Texture2D> texture;
        const HRESULT hr = device->CreateTexture2D(&desc, nullptr, texture.GetAddressOf());
        return {hr, wrap(std::move(texture))};
    }

    void copy_resource(const GpuRef& context_ref, const GpuRef& dst_ref, const GpuRef& src_ref) override {
        ID3D11DeviceContext* context = unwrap<ID3D11DeviceContext>(context_ref);
        ID3D11Texture2D* dst = unwrap<ID3D11Texture2D>(dst_ref);
        ID3D11Texture2D* src = unwrap<ID3D11Texture2D>(src_ref);
        if (context && dst && src) context->CopyResource(dst, src);
    }

    void copy_region(const GpuRef& context_ref, const GpuRef& dst_ref, const GpuRef& src_ref,
                     const TexelBox& box) override {
        ID3D11DeviceContext* context = unwrap<ID3D11DeviceContext>(context_ref);
        ID3D11Texture2D* dst = unwrap<ID3D11Texture2D>(dst_ref);
        ID3D11Texture2D* src = unwrap<ID3D11Texture2D>(src_ref);
        if (!context || !dst || !src) return;
        const D3D11_BOX d3d_box{box.left, box.top, 0, box.right, box.bottom, 1};
        context->CopySubresourceRegion(dst, 0, 0, 0, 0, src, 0, &d3d_box);
    }

    MappedTexels map_read(const GpuRef& context_ref, const GpuRef& texture_ref) override {
        ID3D11DeviceContext* context = unwrap<ID3D11DeviceContext>(context_ref);
        ID3D11Texture2D* texture = unwrap<ID3D11Texture2D>(texture_ref);
        if (!context || !texture) return {HR_POINTER, nullptr, 0};
        D3D11_MAPPED_SUBRESOURCE mapped{};
        const HRESULT hr = context->Map(texture, 0, D3D11_MAP_READ, 0, &mapped);
        if (FAILED(hr)) return {hr, nullptr, 0};
        return {HR_OK, static_cast<const uint8_t*>(mapped.pData), mapped.RowPitch};
    }

    void unmap(const GpuRef& context_ref, const GpuRef& texture_ref) override {
        ID3D11DeviceContext* context = unwrap<ID3D11DeviceContext>(context_ref);
        ID3D11Texture2D* texture = unwrap<ID3D11Texture2D>(texture_ref);
        if (context && texture) context->Unmap(texture, 0);
    }

    double now_ms() override { return clock_ms(); }

    std::string error_text(HResult hr) override { return error_from_hresult(static_cast<HRESULT>(hr)).message; }

private:
};

}  // namespace

DxgiBackend& d3d_backend() {
    static D3dBackend backend;
    return backend;
}
