#include <gtest/gtest.h>

#include "core/app/InstanceRequest.h"

using namespace razo;

TEST(InstanceRequest, OneSocketPerDisplayWithAPlainName) {
    EXPECT_EQ(InstanceSocketName("xcb", ":0"), "razo-xcb-_0");
    EXPECT_EQ(InstanceSocketName("xcb", ":1.0"), "razo-xcb-_1.0");
    EXPECT_EQ(InstanceSocketName("wayland", "/run/user/1000/wayland-1"),
              "razo-wayland-_run_user_1000_wayland-1");
    EXPECT_EQ(InstanceSocketName("offscreen", ""), "razo-offscreen");
    EXPECT_EQ(InstanceSocketName("", ""), "razo-none");
}

// Every path comes through byte for byte, whatever part of it has arrived yet; anything else is
// refused rather than opened.
TEST(InstanceRequest, RequestsSurviveTheSocketAndStrangersDoNot) {
    using State = OpenRequest::State;
    for (const std::string& path :
         {std::string("/tmp/site/index.html"), std::string(), std::string("/tmp/a\nb c.html"),
          std::string("/tmp/\xE9t\xE9.html"), std::string("/tmp/open 3\n")}) {
        const std::string request = EncodeOpenRequest(path);
        for (std::size_t cut = 0; cut < request.size(); ++cut)
            EXPECT_EQ(DecodeOpenRequest(request.substr(0, cut)).state, State::Incomplete) << cut;
        const OpenRequest whole = DecodeOpenRequest(request);
        EXPECT_EQ(whole.state, State::Complete);
        EXPECT_EQ(whole.path, path);
        EXPECT_EQ(DecodeOpenRequest(request + "x").state, State::Malformed);
    }
    struct Row {
        const char* received;
        State state;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"GET / HTTP/1.1\r\n", State::Malformed},
             {"open \n", State::Malformed},
             {"open -1\n", State::Malformed},
             {"open 1x\n", State::Malformed},
             {"open 99999999999", State::Malformed},
             {"open 65537\n", State::Malformed},
             {"open 65536", State::Incomplete},
             {"ope", State::Incomplete},
             {"opex", State::Malformed},
         }) {
        EXPECT_EQ(DecodeOpenRequest(row.received).state, row.state) << row.received;
    }
}
