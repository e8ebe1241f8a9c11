#include "Navigator.h"

#include "FormWindow.h"
#include "util/DataError.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

namespace shell {

using util::Clock;
using util::DataError;
using util::RandomSource;

Navigator::Navigator(ProgramState& state, const Clock& clock, RandomSource& random, Factory factory)
    : state_(state), clock_(clock), random_(random), factory_(std::move(factory)),
      reportError_([](const DataError& e) {
          QMessageBox::warning(nullptr, QStringLiteral("問題データの誤り"), e.message());
      }),
      quit_([] { QCoreApplication::exit(0); }) {}

Navigator::~Navigator() {
    ended_ = true;
    for (auto& [id, window] : screens_)
        delete window;
}

FormWindow* Navigator::loaded(ScreenId id) const {
    const auto it = screens_.find(id);
    return it == screens_.end() ? nullptr : it->second;
}

FormWindow* Navigator::show(ScreenId id) {
    if (ended_)
        return nullptr;
    FormWindow* window = loaded(id);
    if (!window) {
        window = factory_(*this, id);
        try {
            window->load();
        } catch (const DataError& e) {
            delete window;
            return backToMenuAfter(id, e);
        } catch (const std::exception& e) {
            // Not a fault of the data, but the learner still gets the menu
            // and a message instead of a half-built screen.
            delete window;
            return backToMenuAfter(id, DataError(QString(), 0,
                                                 QStringLiteral("予期しない誤りです（%1）")
                                                     .arg(QString::fromLocal8Bit(e.what()))));
        }
        screens_[id] = window;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

FormWindow* Navigator::backToMenuAfter(ScreenId failed, const DataError& error) {
    // The menu comes back before the message: the message box runs its own
    // event loop, and with no screen loaded the program would end in it.
    FormWindow* menu = failed == ScreenId::Menu ? nullptr : show(ScreenId::Menu);
    reportError_(error);
    return menu;
}

void Navigator::unload(ScreenId id) {
    if (FormWindow* window = loaded(id))
        window->close();
}

void Navigator::forget(FormWindow* window) {
    const auto it = screens_.find(window->screenId());
    if (it == screens_.end() || it->second != window)
        return;
    screens_.erase(it);
    window->hide();
    window->deleteLater();
    // A button's handler unloads its screen and then shows the next one; only
    // when nothing is loaded once the handler is done does the program end.
    if (!ended_)
        QTimer::singleShot(0, this, &Navigator::endIfNothingLoaded);
}

void Navigator::endIfNothingLoaded() {
    if (screens_.empty())
        endProgram();
}

void Navigator::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    const auto screens = screens_;
    screens_.clear();
    for (auto& [id, window] : screens) {
        window->hide();
        window->deleteLater();
    }
    quit_();
}

} // namespace shell
