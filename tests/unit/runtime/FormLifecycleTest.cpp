#include <gtest/gtest.h>

#include "runtime/Controls.h"
#include "runtime/LateBound.h"
#include "runtime/MsgBox.h"
#include "runtime/TextBox.h"
#include "support/HeadlessApp.h"

namespace tavimo::rt {
namespace {

// Records its events into a shared log, as the system's forms would act on them.
std::vector<std::string>* events = nullptr;
void note(const std::string& e) {
  if (events) events->push_back(e);
}

struct frmMain : Form {
  int clicks = 0;  // a form-level value: starts at 0 in every instance
  CommandButton cmdGo{*this, "cmdGo"};
  frmMain() : Form("frmMain") { cmdGo.onClick = [this] { ++clicks; }; }
  void onLoad() override { note("frmMain load"); }
  void onActivate() override { note("frmMain activate"); }
  void onUnload(bool&) override { note("frmMain unload"); }
};

struct frmDialog : Form {
  TextBox txtpas{*this, "txtpas"};
  CommandButton cmdsubt{*this, "cmdsubt"};
  std::string* result = nullptr;
  frmDialog() : Form("frmDialog") {
    cmdsubt.onClick = [this] {
      if (result) *result = txtpas.text();
      unload();
    };
  }
  void onLoad() override { note("frmDialog load"); }
  void onActivate() override { note("frmDialog activate"); }
};

struct frmStubborn : Form {
  bool refuseQuery = true;
  bool refuseUnload = true;
  frmStubborn() : Form("frmStubborn") {}
  void onQueryUnload(bool& cancel, UnloadMode mode) override {
    note("query " + std::to_string(static_cast<int>(mode)));
    cancel = refuseQuery;
  }
  void onUnload(bool& cancel) override { cancel = refuseUnload; }
};

class FormLifecycle : public ::testing::Test {
 protected:
  void SetUp() override { events = &log; }
  void TearDown() override { events = nullptr; }
  std::vector<std::string> log;
  testing::HeadlessApp h;
};

TEST_F(FormLifecycle, FirstUseLoadsOnceAndShowingActivates) {
  auto& main = h.app.form<frmMain>();
  EXPECT_TRUE(main.loaded());
  EXPECT_FALSE(main.visible());
  h.app.form<frmMain>();
  main.show();
  main.show();
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load", "frmMain activate"}));
  EXPECT_EQ(h.app.activeForm(), &main);
}

TEST_F(FormLifecycle, UnloadedFormComesBackFreshWithItsLoadRunAgain) {
  auto& first = h.app.form<frmMain>();
  first.cmdGo.click();
  first.cmdGo.click();
  EXPECT_EQ(first.clicks, 2);
  EXPECT_TRUE(first.unload());
  EXPECT_FALSE(h.app.isLoaded<frmMain>());
  h.backend.advance(0);

  auto& second = h.app.form<frmMain>();
  EXPECT_EQ(second.clicks, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load", "frmMain unload", "frmMain load"}));
}

TEST_F(FormLifecycle, QueryUnloadAndUnloadCanEachCancel) {
  auto& form = h.app.form<frmStubborn>();
  EXPECT_FALSE(form.unload());
  EXPECT_TRUE(h.app.isLoaded<frmStubborn>());
  form.refuseQuery = false;
  EXPECT_FALSE(form.unload());
  form.refuseUnload = false;
  form.userClose();
  EXPECT_FALSE(h.app.isLoaded<frmStubborn>());
  // Code unloads report mode 1, the control menu mode 0.
  EXPECT_EQ(log, (std::vector<std::string>{"query 1", "query 1", "query 0"}));
}

TEST_F(FormLifecycle, LoadedFormsKeepLoadOrder) {
  h.app.form<frmDialog>();
  h.app.form<frmMain>();
  ASSERT_EQ(h.app.forms().size(), 2u);
  EXPECT_EQ(h.app.forms()[0]->name(), "frmDialog");
  EXPECT_EQ(h.app.forms()[1]->name(), "frmMain");
  EXPECT_EQ(h.app.formNamed("frmMain"), &h.app.form<frmMain>());
}

TEST_F(FormLifecycle, ModalShowWaitsUntilTheDialogUnloadsThenReactivatesTheOwner) {
  auto& main = h.app.form<frmMain>();
  main.show();
  std::string entered;
  h.backend.onModal("frmDialog", [](Form& f) {
    auto& dialog = static_cast<frmDialog&>(f);
    dialog.txtpas.typeText("secret");
    dialog.cmdsubt.userClick();
  });
  auto& dialog = h.app.form<frmDialog>();
  dialog.result = &entered;
  dialog.show(true);
  note("after modal");
  h.backend.advance(0);

  EXPECT_EQ(entered, "secret");
  EXPECT_FALSE(h.app.isLoaded<frmDialog>());
  // The owner is activated again once the code that showed the dialog is done.
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load", "frmMain activate", "frmDialog load",
                                            "frmDialog activate", "after modal", "frmMain activate"}));
  EXPECT_EQ(h.app.activeForm(), &main);
}

// A form that shows a modal dialog from its Activate finishes that handler before its
// Activate runs again, so the dialog is not shown twice.
struct frmAsksOnActivate : Form {
  int activations = 0;
  frmAsksOnActivate() : Form("frmAsksOnActivate") {}
  void onActivate() override {
    if (++activations == 1) app().form<frmDialog>().show(true);
    note("activation " + std::to_string(activations) + " done");
  }
};

TEST_F(FormLifecycle, ModalDialogShownFromActivateReactivatesAfterTheHandler) {
  h.backend.onModal("frmDialog", [](Form& f) { f.unload(); });
  h.app.form<frmAsksOnActivate>().show();
  h.backend.advance(0);
  EXPECT_EQ(log, (std::vector<std::string>{"frmDialog load", "frmDialog activate", "activation 1 done", "activation 2 done"}));
}

TEST_F(FormLifecycle, AFormWaitingForAModalDialogIsNotActivated) {
  auto& main = h.app.form<frmMain>();
  main.show();
  h.backend.onModal("frmDialog", [&main](Form& f) {
    // The window system activates the owner (a click on it, a stray message): ignored.
    app().backend().activateWindow(main);
    EXPECT_EQ(app().activeForm(), &f);
    f.unload();
  });
  h.app.form<frmDialog>().show(true);
  h.backend.advance(0);
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load", "frmMain activate", "frmDialog load", "frmDialog activate",
                                            "frmMain activate"}));
}

TEST_F(FormLifecycle, ModalDialogThatNobodyClosesIsReportedNotHung) {
  h.backend.setModalLimit(1000);
  auto& dialog = h.app.form<frmDialog>();
  EXPECT_THROW(dialog.show(true), Stalled);
}

TEST_F(FormLifecycle, HidingTheActiveFormActivatesTheOneBelow) {
  auto& main = h.app.form<frmMain>();
  main.show();
  auto& dialog = h.app.form<frmDialog>();
  dialog.show();
  dialog.hide();
  h.backend.advance(0);
  EXPECT_EQ(h.app.activeForm(), &main);
  EXPECT_EQ(log.back(), "frmMain activate");
}

TEST_F(FormLifecycle, MessageBoxesAreAnsweredByScriptAndKeepTheirTexts) {
  h.backend.answerMessageBox(mb::No);
  EXPECT_EQ(msgBox("The Tavimo Server is not reachable", mb::OkOnly | mb::Exclamation), mb::Ok);
  EXPECT_EQ(msgBox("Do you want to reconnect", mb::YesNo | mb::Question), mb::No);
  EXPECT_THROW(msgBox("Unscripted?", mb::YesNo | mb::Question), Stalled);
  ASSERT_EQ(h.backend.messageBoxes().size(), 3u);
  EXPECT_EQ(h.backend.messageBoxes()[0].style, 0x30);
  EXPECT_EQ(h.backend.messageBoxes()[0].title, "TavimoClient");
  EXPECT_EQ(h.backend.messageBoxes()[1].prompt, "Do you want to reconnect");
  EXPECT_EQ(h.backend.messageBoxes()[1].style, 0x24);
}

struct frmLayout : Form {
  LateBoundControl omxFlexolo1{*this, "omxFlexolo1", "Flexolo.omxFlexolo"};
  frmLayout() : Form("frmLayout") {}
};

TEST_F(FormLifecycle, LateBoundControlWorksOnlyWhenItsLibraryIsThere) {
  auto& missing = h.app.form<frmLayout>();
  EXPECT_FALSE(missing.omxFlexolo1.call("Resize")) << "no library: the call is passed over";
  missing.unload();
  h.backend.advance(0);
  h.backend.installObject("Flexolo.omxFlexolo");
  h.backend.clearJournal();
  auto& present = h.app.form<frmLayout>();
  EXPECT_TRUE(present.omxFlexolo1.call("SaveControlPositions"));
  EXPECT_TRUE(present.omxFlexolo1.call("Resize"));
  EXPECT_EQ(h.backend.journal(), (std::vector<std::string>{"call Flexolo.omxFlexolo.SaveControlPositions", "call Flexolo.omxFlexolo.Resize"}));
}

TEST_F(FormLifecycle, EndStopsTheProgramWhereItIsCalled) {
  auto& main = h.app.form<frmMain>();
  main.cmdGo.onClick = [] {
    app().end();
    note("after end");
  };
  EXPECT_THROW(main.cmdGo.click(), ProgramEnded);
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load"}));
}

TEST_F(FormLifecycle, SleepBlocksSoDueEventsRunOnlyAfterIt) {
  bool ran = false;
  h.clock.schedule(500, [&] { ran = true; });
  h.app.sleep(1000);
  EXPECT_FALSE(ran);
  EXPECT_EQ(h.clock.now(), 1000u);
  h.app.doEvents();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace tavimo::rt
