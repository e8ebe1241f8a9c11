#include "AnswerPlan.h"

#include "coefficient/CoefficientForm.h"
#include "formula/FormulaForm.h"
#include "mole/MoleForm.h"
#include "practice/PracticeScreen.h"
#include "reaction/ReactionForm.h"

namespace monkey {

namespace {

constexpr int clearAllKey = 11;
constexpr int pointKey = 10;
const QString transferButton = QStringLiteral("Command8");

QString member(const char* group, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index);
}

void click(std::deque<PlanStep>& plan, const QString& name) {
    plan.push_back({PlanStep::Kind::Click, name});
}

// A number typed on the calculator from a cleared entry, then transferred.
void typeAndTransfer(std::deque<PlanStep>& plan, const QString& number) {
    click(plan, member("command6", clearAllKey));
    for (QChar c : number)
        click(plan, member("command6", c == u'.' ? pointKey : c.digitValue()));
    click(plan, transferButton);
}

void planFormula(const formula::FormulaForm& form, std::deque<PlanStep>& plan) {
    const formula::FormulaPractice& p = form.practice();
    for (int r = 1; r <= formula::FormulaPractice::rowCount; ++r) {
        const formula::FormulaRow& row = p.row(r);
        if (row.correct)
            continue;
        click(plan, member("Image4", r));
        click(plan, QStringLiteral("Command2")); // 全式削除
        for (int i = 0; i + 1 < row.correctCode.size(); i += 2)
            click(plan, member("Image2", row.correctCode.mid(i, 2).toInt()));
    }
}

void planCoefficient(const coefficient::CoefficientForm& form, std::deque<PlanStep>& plan) {
    const coefficient::CoefficientPractice& p = form.practice();
    for (int j = 1; j <= p.boxCount(); ++j) {
        if (p.box(j).locked)
            continue;
        click(plan, member("Image2", j));
        click(plan, member("Image4", p.problem().correct.at(static_cast<std::size_t>(j - 1))));
    }
}

void planMole(const mole::MoleForm& form, std::deque<PlanStep>& plan) {
    const mole::MolePractice& p = form.practice();
    for (int b = 1; b <= mole::boxCount; ++b) {
        if (p.box(b).given || p.box(b).correct)
            continue;
        click(plan, member("Image9", b));
        typeAndTransfer(plan, p.answers().rounded.at(static_cast<std::size_t>(b)));
    }
}

void planReaction(const reaction::ReactionForm& form, std::deque<PlanStep>& plan) {
    const reaction::ReactionPractice& p = form.practice();
    for (int c = 1; c <= reaction::ReactionPractice::cellCount; ++c) {
        if (!p.cellUsed(c) || p.cell(c).given || p.cell(c).correct)
            continue;
        click(plan, member("Image9", c));
        typeAndTransfer(plan, p.cell(c).answerRounded);
    }
}

bool finished(const shell::FormWindow& window) {
    if (auto* f = qobject_cast<const formula::FormulaForm*>(&window))
        return f->practice().isComplete();
    if (auto* c = qobject_cast<const coefficient::CoefficientForm*>(&window))
        return c->practice().isSolved();
    if (auto* m = qobject_cast<const mole::MoleForm*>(&window))
        return m->practice().isComplete();
    if (auto* r = qobject_cast<const reaction::ReactionForm*>(&window))
        return r->practice().isComplete();
    return true;
}

} // namespace

std::deque<PlanStep> planAnswer(shell::FormWindow& window) {
    std::deque<PlanStep> plan;
    auto* screen = qobject_cast<practice::PracticeScreen*>(&window);
    if (!screen || finished(window))
        return plan;
    if (auto* f = qobject_cast<formula::FormulaForm*>(&window))
        planFormula(*f, plan);
    else if (auto* c = qobject_cast<coefficient::CoefficientForm*>(&window))
        planCoefficient(*c, plan);
    else if (auto* m = qobject_cast<mole::MoleForm*>(&window))
        planMole(*m, plan);
    else if (auto* r = qobject_cast<reaction::ReactionForm*>(&window))
        planReaction(*r, plan);
    plan.push_back({PlanStep::Kind::Pause, {}});
    click(plan, screen->info().shared.judge.objectName());
    return plan;
}

} // namespace monkey
