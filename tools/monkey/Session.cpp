#include "Session.h"

#include "app/ScreenFactory.h"
#include "util/DataError.h"

#include <QCoreApplication>
#include <QEvent>

namespace monkey {

Session::Session(const util::Clock& clock, std::uint64_t randomSeed, const QString& basePath)
    : random_(randomSeed), navigator_(state_, clock, random_, app::createScreen) {
    state_.basePath = basePath;
    navigator_.setErrorReporter([this](const util::DataError& e) { errors_ << e.message(); });
    navigator_.setQuitHandler([this] { ended_ = true; });
}

Session::~Session() {
    // Windows the program discarded go before the navigator they refer to.
    settle();
}

void Session::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace monkey
