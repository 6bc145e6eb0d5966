#pragma once
// What the capture session calls (UI thread). Answers arrive as WM_APP_UIA_RESULT at the
// request's target window: wParam = the request id, lParam = a UiaResult to take with
// take_result<UiaResult>(lParam). A window whose query hung for more than a second is framed
// whole from then on: requests under it get no answer.
#include "uia/uia_types.h"

// Starts the process's UI Automation worker; later calls do nothing. Safe from any thread.
void uia_start_worker();

// Gives up a worker whose query has hung for more than a second (its window is skipped from
// then on, a new worker takes over), then queues the request; the worker answers only the
// newest request queued. Starts the worker when none runs.
void uia_send_request(const UiaRequest& request);
