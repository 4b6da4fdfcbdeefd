#pragma once
// What the end-to-end tests send to and expect from the simulated radio.

#include "state/EditorState.h"

#include <QString>

namespace q716::e2e {

// An editor holding a few channels and values, so an image is more than
// erased memory (English texts in the cells).
EditorState samplePlan();
// samplePlan() with a value in each window besides: what the window tests
// give the radio and the files.
EditorState windowPlan();

extern const QString CommunicationError;
extern const QString PortNotOpen;
// The start of the message of a session whose cable went away.
extern const QString CableGone;

} // namespace q716::e2e
