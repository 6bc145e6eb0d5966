#pragma once
// The UI Automation client of the worker thread: its state, the element query, and the
// thread body.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "uia/uia_com_win.h"
#include "uia/uia_path.h"
#include "uia/uia_worker.h"
#include "util/result.h"
#include "win/handles.h"

// Owned by one thread of the multithreaded apartment. A default state has no automation
// object: every query then gives an empty list.
struct UiaState {
    ComPtr<uia_com::IUIAutomation> automation;
    ComPtr<uia_com::IUIAutomationCacheRequest> cache_request;  // BoundingRectangle, IsOffscreen
    ComPtr<uia_com::IUIAutomationCondition> control_view;
    ComPtr<uia_com::IUIAutomationTreeWalker> control_walker;
    UiaPath path;  // of the last query
};

inline uintptr_t uia_window_value(HWND window) { return reinterpret_cast<uintptr_t>(window); }
inline HWND uia_window_handle(uintptr_t window) { return reinterpret_cast<HWND>(window); }

// The client object, its cache request, the control-view condition and walker. The caller's
// thread must have COM initialised. The error carries the failing HRESULT.
Result<UiaState> uia_create();

// The element rectangles under (x, y) in `window` (null: the top-level window under the
// point), innermost first and the window's last; empty for a window of this process or when
// nothing can be read. Keeps the path in the state for the next query.
std::vector<Rect> uia_element_rect_at(UiaState& state, HWND window, int32_t x, int32_t y);

// Thread body of one worker: joins the multithreaded apartment, creates its state and serves
// the link's requests until it is closed or given up.
void uia_hover_worker(std::shared_ptr<UiaWorkerLink> link, std::shared_ptr<UiaSkipSet> skip);
