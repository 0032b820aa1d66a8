#include "app/ControlSocket.h"

#include <gtest/gtest.h>

TEST(ControlSocket, AcceptsOnlyShortValidText) {
    EXPECT_TRUE(ControlSocket::validateRequest("say zel listen").ok());
    EXPECT_TRUE(ControlSocket::validateRequest("say caf\xC3\xA9\tx").ok());
    EXPECT_FALSE(ControlSocket::validateRequest("say caf\xE9").ok());
    EXPECT_FALSE(ControlSocket::validateRequest(std::string("say a\0b", 7)).ok());
    EXPECT_FALSE(ControlSocket::validateRequest("say a\rb").ok());
    EXPECT_TRUE(
        ControlSocket::validateRequest(std::string(ControlSocket::maxRequestBytes, 'a')).ok());
    EXPECT_FALSE(
        ControlSocket::validateRequest(std::string(ControlSocket::maxRequestBytes + 1, 'a')).ok());
}
