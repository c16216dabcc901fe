#include <gtest/gtest.h>

#include "core/app/CommandRouter.h"

using razo::CmdUI;
using razo::CommandRouter;
using razo::CommandTarget;

namespace {

struct RouteFixture : ::testing::Test {
    CommandTarget view, document, frame, app;
    CommandRouter router;
    std::vector<std::string> ran;
    void SetUp() override { router.SetRoute({&view, &document, &frame, &app}); }
};

TEST_F(RouteFixture, MostSpecificHandlerRunsFirst) {
    view.OnCommand(1, [&] { ran.push_back("view"); });
    app.OnCommand(1, [&] { ran.push_back("app"); });
    EXPECT_TRUE(router.Execute(1));
    EXPECT_EQ(ran, std::vector<std::string>{"view"});
}

TEST_F(RouteFixture, CommandWithoutHandlerIsDisabledAndNotRun) {
    EXPECT_FALSE(router.QueryState(2).enabled);
    EXPECT_FALSE(router.Execute(2));
}

TEST_F(RouteFixture, DisabledUpdateStopsTheCommandEvenFromAnAccelerator) {
    view.OnUpdate(3, [](CmdUI& ui) { ui.Enable(false); });
    document.OnCommand(3, [&] { ran.push_back("document"); });
    EXPECT_FALSE(router.QueryState(3).enabled);
    EXPECT_FALSE(router.Execute(3));
    EXPECT_TRUE(ran.empty());
}

TEST_F(RouteFixture, FirstUpdateHandlerInTheRouteDecides) {
    document.OnUpdate(4, [](CmdUI& ui) { ui.SetCheck(true); });
    app.OnUpdate(4, [](CmdUI& ui) { ui.Enable(false); });
    frame.OnCommand(4, [&] { ran.push_back("frame"); });
    CmdUI ui = router.QueryState(4);
    EXPECT_TRUE(ui.enabled);
    EXPECT_EQ(ui.checked, true);
    EXPECT_TRUE(router.Execute(4));
}

TEST_F(RouteFixture, MissingLinksOfTheRouteAreSkipped) {
    router.SetRoute({nullptr, nullptr, &frame, &app});
    app.OnCommand(5, [&] { ran.push_back("app"); });
    EXPECT_TRUE(router.Execute(5));
    EXPECT_EQ(ran.size(), 1u);
}

TEST_F(RouteFixture, AHandlerMayDestroyItsOwnTarget) {
    auto* doomed = new CommandTarget;
    doomed->OnCommand(6, [&, doomed] {
        router.SetRoute({&app});
        delete doomed;
        ran.push_back("closed");
    });
    router.SetRoute({doomed, &app});
    EXPECT_TRUE(router.Execute(6));
    EXPECT_EQ(ran, std::vector<std::string>{"closed"});
}

} // namespace
