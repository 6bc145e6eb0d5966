#include "uia/uia_client_win.h"

#include <utility>

#include "util/log.h"
#include "win/error.h"
#include "win/messages.h"
#include "win/post_result.h"

using namespace uia_com;

namespace {

constexpr DWORD TRANSACTION_TIMEOUT_MS = 1500;

class ComElement final : public UiaElement {
public:
    explicit ComElement(ComPtr<IUIAutomationElement> element) : element_(std::move(element)) {}

    std::optional<Rect> cached_rect() const override {
        RECT r{};
        if (FAILED(element_->get_CachedBoundingRectangle(&r))) return std::nullopt;
        return Rect{r.left, r.top, r.right, r.bottom};
    }

    std::optional<bool> cached_offscreen() const override {
        BOOL offscreen = FALSE;
        if (FAILED(element_->get_CachedIsOffscreen(&offscreen))) return std::nullopt;
        return offscreen != FALSE;
    }

    IUIAutomationElement* get() const { return element_.Get(); }

private:
    ComPtr<IUIAutomationElement> element_;
};

UiaElementPtr wrap(HRESULT hr, ComPtr<IUIAutomationElement> element) {
    if (FAILED(hr) || !element) return nullptr;
    return std::make_shared<ComElement>(std::move(element));
}

// Every element this source hands out is a ComElement.
IUIAutomationElement* com_of(const UiaElement& element) { return static_cast<const ComElement&>(element).get(); }

class ComChildren final : public UiaChildren {
public:
    ComChildren(ComPtr<IUIAutomationElementArray> array, int length) : array_(std::move(array)), length_(length) {}

    size_t count() const override { return length_ > 0 ? static_cast<size_t>(length_) : 0; }

    UiaElementPtr at(size_t index) override {
        ComPtr<IUIAutomationElement> element;
        const HRESULT hr = array_->GetElement(static_cast<int>(index), element.GetAddressOf());
        return wrap(hr, std::move(element));
    }

private:
    ComPtr<IUIAutomationElementArray> array_;
    int length_;
};

class ComElementSource final : public UiaElementSource {
public:
    explicit ComElementSource(UiaState& state) : s_(state) {}

    UiaElementPtr element_from_point(int32_t x, int32_t y) override {
        if (!ready()) return nullptr;
        ComPtr<IUIAutomationElement> element;
        const HRESULT hr = s_.automation->ElementFromPointBuildCache(POINT{x, y}, s_.cache_request.Get(),
                                                                     element.GetAddressOf());
        return wrap(hr, std::move(element));
    }

    UiaElementPtr parent(const UiaElement& element) override {
        if (!ready()) return nullptr;
        ComPtr<IUIAutomationElement> parent;
        const HRESULT hr = s_.control_walker->GetParentElementBuildCache(com_of(element), s_.cache_request.Get(),
                                                                         parent.GetAddressOf());
        return wrap(hr, std::move(parent));
    }

    UiaElementPtr element_from_window(uintptr_t window) override {
        if (!ready()) return nullptr;
        ComPtr<IUIAutomationElement> element;
        const HRESULT hr = s_.automation->ElementFromHandleBuildCache(uia_window_handle(window), s_.cache_request.Get(),
                                                                      element.GetAddressOf());
        return wrap(hr, std::move(element));
    }

    std::unique_ptr<UiaChildren> children(const UiaElement& element) override {
        if (!ready()) return nullptr;
        ComPtr<IUIAutomationElementArray> array;
        HRESULT hr = com_of(element)->FindAllBuildCache(TREE_SCOPE_CHILDREN, s_.control_view.Get(),
                                                        s_.cache_request.Get(), array.GetAddressOf());
        if (FAILED(hr) || !array) return nullptr;
        int length = 0;
        hr = array->get_Length(&length);
        if (FAILED(hr)) return nullptr;
        return std::make_unique<ComChildren>(std::move(array), length);
    }

    uintptr_t root_window_at(int32_t x, int32_t y) override {
        return uia_window_value(GetAncestor(WindowFromPoint(POINT{x, y}), GA_ROOT));
    }

    std::optional<Rect> window_rect(uintptr_t window) override {
        RECT r{};
        if (!GetWindowRect(uia_window_handle(window), &r)) return std::nullopt;
        return Rect{r.left, r.top, r.right, r.bottom};
    }

    bool is_own_process_window(uintptr_t window) override {
        DWORD pid = 0;
        if (!GetWindowThreadProcessId(uia_window_handle(window), &pid)) return false;
        return pid == GetCurrentProcessId();
    }

private:
    bool ready() const { return s_.automation && s_.cache_request && s_.control_view && s_.control_walker; }

    UiaState& s_;
};

class ComWorkerHost final : public UiaWorkerHost {
public:
    explicit ComWorkerHost(UiaState& state) : state_(state) {}

    uintptr_t root_at(int32_t x, int32_t y) override {
        return uia_window_value(GetAncestor(WindowFromPoint(POINT{x, y}), GA_ROOT));
    }

    std::vector<Rect> query(const UiaRequest& request) override {
        return uia_element_rect_at(state_, uia_window_handle(request.window), request.x, request.y);
    }

    void post(const UiaRequest& request, UiaResult result) override {
        post_result(uia_window_handle(request.target), WM_APP_UIA_RESULT, static_cast<WPARAM>(request.id),
                    std::make_unique<UiaResult>(std::move(result)));
    }

private:
    UiaState& state_;
};

}  // namespace

Result<UiaState> uia_create() {
    UiaState state;
    HRESULT hr = CoCreateInstance(CLSID_CUIAUTOMATION, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAUTOMATION,
                                  reinterpret_cast<void**>(state.automation.GetAddressOf()));
    if (FAILED(hr) || !state.automation) return error_from_hresult(FAILED(hr) ? hr : E_NOINTERFACE, "CUIAutomation");

    // Bounds every cross-process call where the system offers it; without it the sender's
    // hang check still applies.
    ComPtr<IUIAutomation2> automation2;
    if (SUCCEEDED(state.automation->QueryInterface(IID_IUIAUTOMATION2,
                                                   reinterpret_cast<void**>(automation2.GetAddressOf()))) &&
        automation2)
        automation2->put_TransactionTimeout(TRANSACTION_TIMEOUT_MS);

    hr = state.automation->CreateCacheRequest(state.cache_request.GetAddressOf());
    if (FAILED(hr) || !state.cache_request) return error_from_hresult(FAILED(hr) ? hr : E_POINTER, "CreateCacheRequest");
    for (const int property : {UIA_BOUNDING_RECTANGLE_PROPERTY_ID, UIA_IS_OFFSCREEN_PROPERTY_ID}) {
        hr = state.cache_request->AddProperty(property);
        if (FAILED(hr)) return error_from_hresult(hr, "AddProperty");
    }
    hr = state.automation->get_ControlViewCondition(state.control_view.GetAddressOf());
    if (FAILED(hr) || !state.control_view)
        return error_from_hresult(FAILED(hr) ? hr : E_POINTER, "get_ControlViewCondition");
    hr = state.automation->get_ControlViewWalker(state.control_walker.GetAddressOf());
    if (FAILED(hr) || !state.control_walker)
        return error_from_hresult(FAILED(hr) ? hr : E_POINTER, "get_ControlViewWalker");
    return state;
}

std::vector<Rect> uia_element_rect_at(UiaState& state, HWND window, int32_t x, int32_t y) {
    ComElementSource source(state);
    return uia_find_element_rects(source, state.path, uia_window_value(window), x, y);
}

void uia_hover_worker(std::shared_ptr<UiaWorkerLink> link, std::shared_ptr<UiaSkipSet> skip) {
    const ComApartment apartment(COINIT_MULTITHREADED);
    {
        Result<UiaState> created = uia_create();
        if (!created) debug_log("uia: unavailable: " + created.error().message);
        UiaState state = created ? std::move(created).value() : UiaState{};
        ComWorkerHost host(state);
        run_uia_worker_loop(*link, *skip, host, uia_clock_ms);
    }  // every COM object goes before the apartment
}
