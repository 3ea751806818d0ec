#pragma once

#include <functional>

// One step of a routine that passes over failures, statement by statement:
// an exception leaving the step becomes the current error (vb::Err()) and
// the step answers false. The routine goes on either way and reports the
// current error at its own checkpoints.
bool IntentarPaso(const std::function<void()>& paso);
