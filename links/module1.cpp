#include "module1.h"

#include "platform/services/shell.h"

#include <string>

namespace pretextor::Module1 {

namespace {

// No owner, the default verb, no parameters, a normal window; the result is not looked at.
void open(platform::Shell& shell, std::string target) {
    shell.execute({.owner = 0,
                   .verb = std::nullopt,
                   .file = std::move(target),
                   .parameters = std::nullopt,
                   .directory = "C:\\",
                   .showCommand = 1});
}

} // namespace

void OpenHomePage(platform::Shell& shell) {
    open(shell, std::string(HomePageUrl));
}

void OpenStoriesPage(platform::Shell& shell) {
    open(shell, std::string(StoriesPageUrl));
}

void OpenExcuseBoardPage(platform::Shell& shell) {
    open(shell, std::string(ExcuseBoardPageUrl));
}

void SendMailToAuthor(platform::Shell& shell) {
    open(shell, "mailto:" + std::string(AuthorMailAddress));
}

} // namespace pretextor::Module1
