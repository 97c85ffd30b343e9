#pragma once

#include <QString>

namespace vexa {

class Database;
class Messages;
class FileDialogs;
class Clock;
class Navigator;

// What every page works with: the open database and the side effects that tests replace.
struct AppContext {
    Database& db;
    Messages& messages;
    FileDialogs& files;
    const Clock& clock;
    QString programFolder;
    Navigator* nav = nullptr; // set by the main window
};

} // namespace vexa
