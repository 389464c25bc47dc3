// Installer blocking and program restriction: the zone map's site keys, the run list and the
// quick-launch list, and their removal.
#include <gtest/gtest.h>

#include <deque>

#include "LockdownComputer.h"
#include "lockdown/InstallerBlocking.h"
#include "lockdown/ProgramRestriction.h"
#include "lockdown/Settings.h"
#include "support/PolicyCases.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::missing;
using testing::sz;
using Names = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, testing::StoredValue>>;
namespace paths = testing::policyPaths;

class RestrictionLists : public ::testing::Test {
 protected:
  stored::Key site(const std::string& name) {
    siteKeys.push_back(std::string(paths::MachineDomains.path) + "\\" + name);
    return {paths::MachineDomains.hive, siteKeys.back().c_str()};
  }
  bool exists(const stored::Key& key) {
    RegKey opened = 0;
    if (c.registry.openKey(key.hive, key.path, reg::Read, &opened) != status::Success) return false;
    c.registry.closeKey(opened);
    return true;
  }

  testing::LockdownComputer c;
  std::deque<std::string> siteKeys;
};

TEST_F(RestrictionLists, ABlockedSiteIsASubkeyNamedAsTypedInTheRestrictedZone) {
  for (const char* typed : {"dialers.com", "dialers.com ", "Setup-Now.net"}) EXPECT_TRUE(blockInstallerSite(typed)) << typed;

  EXPECT_EQ(blockedInstallerSites(), (Names{"dialers.com", "dialers.com ", "Setup-Now.net"}));
  for (const char* typed : {"dialers.com", "dialers.com ", "Setup-Now.net"})
    EXPECT_EQ(c.allValues(site(typed)), (Values{{"*", dword(4)}})) << typed;
  EXPECT_EQ(c.registry.openHandles(), 0u);

  unblockInstallerSite("dialers.com");
  EXPECT_EQ(blockedInstallerSites(), (Names{"dialers.com ", "Setup-Now.net"}));
}

TEST_F(RestrictionLists, ATextThatCannotNameOneSiteKeyBlocksNothing) {
  for (const char* typed : {"", "dialers.com\\www"}) {
    SCOPED_TRACE(typed);
    EXPECT_FALSE(blockInstallerSite(typed));
    EXPECT_FALSE(exists(paths::MachineDomains));
    unblockInstallerSite(typed);
  }
  ASSERT_TRUE(blockInstallerSite("dialers.com"));
  unblockInstallerSite("");  // must not reach the zone map itself
  EXPECT_EQ(blockedInstallerSites(), Names{"dialers.com"});
}

TEST_F(RestrictionLists, UnblockingASiteTakesItsSubdomainsWithIt) {
  ASSERT_TRUE(blockInstallerSite("dialers.com"));
  createKey(paths::MachineDomains.hive, std::string(site("dialers.com").path) + "\\www");
  unblockInstallerSite("dialers.com");
  EXPECT_FALSE(exists(site("dialers.com")));
}

TEST_F(RestrictionLists, RemoveInstallerBlockerDeletesTheZoneMapWithEverySite) {
  for (const char* typed : {"a.com", "b.com", "c.com"}) ASSERT_TRUE(blockInstallerSite(typed));
  createKey(paths::MachineDomains.hive, std::string(site("b.com").path) + "\\www");

  removeInstallerBlocker();

  EXPECT_FALSE(exists(paths::MachineDomains));
  EXPECT_TRUE(exists(paths::MachineZoneMap));
  EXPECT_TRUE(blockedInstallerSites().empty());
  EXPECT_EQ(c.registry.openHandles(), 0u);
}

TEST_F(RestrictionLists, AddedProgramsGoOnTheRunListAndUnlessLeftOutOnTheQuickLaunchList) {
  EXPECT_TRUE(addProgram("Notepad", "C:\\WINDOWS\\notepad.exe", true));
  EXPECT_TRUE(addProgram(" Paint ", "mspaint.exe", false));  // no folder: the whole text is the file name
  EXPECT_FALSE(addProgram("  ", "C:\\x.exe", true));

  EXPECT_EQ(c.allValues(paths::RunList), (Values{{"Notepad", sz("notepad.exe")}, {" Paint ", sz("mspaint.exe")}}));
  EXPECT_EQ(c.allValues(stored::programsKey), (Values{{"Notepad", sz("C:\\WINDOWS\\notepad.exe")}}));
  EXPECT_EQ(runListPrograms(), (Names{"Notepad", " Paint "}));

  deleteProgram("Notepad");
  EXPECT_EQ(c.allValues(paths::RunList), (Values{{" Paint ", sz("mspaint.exe")}}));
  EXPECT_EQ(c.allValues(stored::programsKey), Values{});
}

TEST_F(RestrictionLists, ApplyingTheRestrictionAddsTheThreeFixedEntriesWhichThePageDoesNotList) {
  ASSERT_TRUE(addProgram("Games", "D:\\Games\\launcher.exe", true));
  applyRunRestriction(true);
  EXPECT_EQ(c.stored(paths::Explorer, "RestrictRun"), dword(1));
  EXPECT_EQ(c.allValues(paths::RunList), (Values{{"Games", sz("launcher.exe")},
                                                 {"tavimo", sz("tavimoclient.exe")},
                                                 {"Explorer", sz("explorer.exe")},
                                                 {"tavimo1", sz("tavimoserver.exe")}}));
  EXPECT_EQ(runListPrograms(), Names{"Games"});

  applyRunRestriction(false);
  EXPECT_EQ(c.stored(paths::Explorer, "RestrictRun"), dword(0));
}

TEST_F(RestrictionLists, TheFixedNamesAreHiddenWithTheirLetterCaseOnly) {
  // The registry's names ignore case, so the fixed entry then takes the program's value and
  // keeps the program's spelling, which the page still lists.
  ASSERT_TRUE(addProgram("TAVIMO", "C:\\Other\\tavimo.exe", false));
  applyRunRestriction(true);
  EXPECT_EQ(runListPrograms(), Names{"TAVIMO"});
  EXPECT_EQ(c.stored(paths::RunList, "TAVIMO"), sz("tavimoclient.exe"));
}

TEST_F(RestrictionLists, RemoveProgramRestrictionsKeepsTheQuickLaunchList) {
  ASSERT_TRUE(addProgram("Notepad", "C:\\WINDOWS\\notepad.exe", true));
  applyRunRestriction(true);

  removeProgramRestrictions();

  EXPECT_EQ(c.stored(paths::Explorer, "RestrictRun"), dword(0));
  EXPECT_FALSE(exists(paths::RunList));
  EXPECT_EQ(c.allValues(stored::programsKey), (Values{{"Notepad", sz("C:\\WINDOWS\\notepad.exe")}}));
  EXPECT_TRUE(runListPrograms().empty());
}

TEST_F(RestrictionLists, RemovingRestrictionsThatWereNeverSetChangesNothing) {
  removeProgramRestrictions();
  removeInstallerBlocker();
  EXPECT_FALSE(exists(paths::Explorer));
  EXPECT_EQ(c.stored(paths::Explorer, "RestrictRun"), missing);
  EXPECT_FALSE(exists(paths::MachineZoneMap));
}

}  // namespace
}  // namespace tavimo
