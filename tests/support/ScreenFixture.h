#pragma once

#include "app/FormWindow.h"
#include "app/Navigator.h"
#include "app/ProgramState.h"
#include "util/Clock.h"
#include "util/DataError.h"
#include "util/RandomSource.h"

#include <QApplication>
#include <QStringList>

#include <gtest/gtest.h>

// The real navigator and screens over the generated material, with a manual
// clock, a seeded random source, a recorded error list instead of message
// boxes, and a flag instead of ending the process.
class ScreenFixture : public ::testing::Test {
protected:
    ScreenFixture() : navigator(state, clock, random) {
        state.basePath = QStringLiteral(CHEMDRILL_BUILD_DIR);
        navigator.setErrorReporter([this](const DataError& e) { errors << e.message(); });
        navigator.setQuitHandler([this] { ended = true; });
    }
    ~ScreenFixture() override { settle(); }

    // Runs deferred deletions and zero-time timers, as the event loop would.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

    template <class T = QWidget> T* control(ScreenId id, const QString& name) {
        FormWindow* w = navigator.loaded(id);
        return w ? w->findChild<T*>(name) : nullptr;
    }

    ProgramState state;
    ManualClock clock{36000};
    MixingRandom random{12345};
    Navigator navigator;
    QStringList errors;
    bool ended = false;
};
