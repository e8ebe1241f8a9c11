#pragma once

#include "app/ScreenFactory.h"
#include "shell/FormWindow.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
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
    ScreenFixture() : navigator(state, clock, random, app::createScreen) {
        state.basePath = QStringLiteral(CHEMDRILL_BUILD_DIR);
        navigator.setErrorReporter([this](const util::DataError& e) { errors << e.message(); });
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

    template <class T = QWidget> T* control(shell::ScreenId id, const QString& name) {
        shell::FormWindow* w = navigator.loaded(id);
        return w ? w->findChild<T*>(name) : nullptr;
    }

    shell::ProgramState state;
    util::ManualClock clock{36000};
    util::MixingRandom random{12345};
    shell::Navigator navigator;
    QStringList errors;
    bool ended = false;
};
