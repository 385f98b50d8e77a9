#include "bench/bench_scenes.h"

#include "scenes/scenes.h"
#include "ui/workspace_form.h"

namespace vemrik::bench {

void prepareForm(TForm1& form, Scene scene) {
    if (scene == Scene::kTypical) applyWorkspace(form, typicalScene());
    if (scene == Scene::kBusy) applyWorkspace(form, busyScene());
    form.BitBtn5Click();  // the held robot goes to its start cell
    form.Button15Click();
    form.BitBtn2Click();
    form.BitBtn3Click();
    form.ComposeRuleText();
    form.BitBtn4Click();
    form.BitBtn5Click();
}

}  // namespace vemrik::bench
