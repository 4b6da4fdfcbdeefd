#pragma once
// The steps both soaks take around a session, the engine's and the window's:
// running the virtual clock to the session's end and working out what a
// success must leave behind.

#include "SoakPlan.h"

#include "VirtualClock.h"

#include "state/EditorState.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace q716::soak {

constexpr int WatchdogMs = 3000; // the sixth 500 ms tick after a send, at the latest
constexpr int CountdownMs = 10 * 200;

// The number in environment variable `name`, or `fallback`.
int envNumber(const char* name, int fallback);

// The caption a session of this plan shows when it succeeds.
QString successCaption(const SessionPlan& plan);

enum class ClockEnd { Drained, LeftInCountdown, TimedOut };

// Runs the clock until nothing is pending. It stops early when `leave` says
// the next session is to start now, or when an event falls due past the
// latest end the watchdog allows for a session started at `startedAt`.
ClockEnd runSessionClock(q716sim::VirtualClock& clock, const SessionPlan& plan, qint64 startedAt,
                         const std::function<bool()>& leave);
// How long after the start that latest end comes.
qint64 sessionTimeLimit(const SessionPlan& plan);

// What a successful session leaves: `editor` becomes the editor it ends with
// (a read loads `radioBefore`; the questions the load asks go to
// `questions`), and the result is the memory the radio then holds.
QByteArray afterSuccess(const SessionPlan& plan, const QByteArray& radioBefore, EditorState& editor,
                        QStringList& questions);

} // namespace q716::soak
