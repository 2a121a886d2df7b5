// "Save Level, Moving It If Needed": a plain save while the level fits its
// rooms; otherwise, after one question, the grown streams move to free space.
#include "app/mainwindow.h"
#include "level/levelsave.h"
#include "level/movingsave.h"
#include "prompts/prompts.h"

namespace tarnloft {

void MainWindow::SaveLevelMoving() {
    const MovePlan plan = PlanMovingSave(session_.Rom(), Defs(), State().Level, levelIndex_);
    if (plan.InPlace) return SaveLevel();
    if (plan.Refusal) return prompts_.Show(*plan.Refusal);
    if (!prompts_.AskYesNo(MoveQuestionTitle, plan.Question)) return;
    const MoveResult result = WriteMovingSave(session_.Rom(), Defs(), plan);
    if (result.Moved) session_.Apply(&Editor::MoveHome, plan.Target);
    prompts_.Show(result.Save.Report);
    if (result.Save.Ok) emit LevelSaved(levelIndex_.value_or(-1));
}

}  // namespace tarnloft
