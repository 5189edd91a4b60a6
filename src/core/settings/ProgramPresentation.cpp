#include "core/settings/ProgramPresentation.h"

namespace tavrin {

void StoreIconChoice(ProgramWindow& window, bool useIcon, std::string_view iconFile) {
    const bool used = useIcon && !iconFile.empty();
    window.setUseIcon(used);
    window.setIconFile(used ? iconFile : std::string_view());
}

void StoreHelpChoice(ProgramWindow& window, bool useHelp) {
    bool used = useHelp;
    if (window.helpFile().empty())
        used = false;
    if (window.helpStartTopic() < 1)
        used = false;
    window.setUseHelpFile(used);
    if (!used) {
        window.setHelpFile("");
        window.setHelpStartTopic(0);
    }
}

std::int32_t ShownStartingTopic(std::int32_t stored) {
    return stored < 1 ? 1 : stored;
}

IntroductionSave PlanIntroductionSave(bool ticked, bool edited, bool empty, bool wasInTopicFile) {
    IntroductionSave plan;
    plan.showIntroduction = ticked;
    if (ticked && edited) {
        if (empty) {
            plan.refusedEmpty = true;
            plan.showIntroduction = false;
        } else {
            plan.topic =
                wasInTopicFile ? IntroductionSave::Topic::Replace : IntroductionSave::Topic::Append;
        }
    }
    if (!plan.showIntroduction)
        plan.topic = IntroductionSave::Topic::Delete;
    return plan;
}

} // namespace tavrin
