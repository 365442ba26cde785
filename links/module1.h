#pragma once

#include <string_view>

namespace platform {
class Shell;
}

// The link launcher: each procedure hands one fixed target to the shell and returns at once.
namespace pretextor::Module1 {

inline constexpr std::string_view HomePageUrl = "http://pretextor.example/";
inline constexpr std::string_view StoriesPageUrl = "http://vorn.example/Vexing.html";
inline constexpr std::string_view ExcuseBoardPageUrl = "http://vorn.example/ExcuseBoard.html";
inline constexpr std::string_view AuthorMailAddress = "author@pretextor.example";

void OpenHomePage(platform::Shell& shell);
void OpenStoriesPage(platform::Shell& shell);
void OpenExcuseBoardPage(platform::Shell& shell);
void SendMailToAuthor(platform::Shell& shell);

} // namespace pretextor::Module1
