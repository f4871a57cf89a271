#pragma once

#include <QString>

// Makes the desktop know ".wo3" files as "Winrail Object Document", opened and printed by
// this program, and parts files by their first bytes. On Linux an installed program has its
// files in the system's folders; a program run from its build tree registers itself for the
// user at every start, writing files only when their content changed. On Windows the
// installer registers the file type; the program itself does so only when asked to.
// The registering itself differs per system (ShellRegistration_unix.cpp, _win.cpp).
class CShellRegistration {
public:
    static constexpr const char* kMimeType = "application/x-winrail-object";
    static constexpr const char* kDesktopFileName = "modelwright.desktop";
    static constexpr const char* kMimePackageName = "modelwright.xml";
    static constexpr const char* kIconName = "modelwright";

    // Whether the program at programPath registers the file types each time it starts.
    static bool RegistersAtStartUp(const QString& programPath);
    // dataHome is the user's data folder (on Linux ~/.local/share). Returns true when
    // anything was written.
    static bool RegisterShellFileTypes(const QString& programPath, const QString& dataHome = DefaultDataHome());
    // Removes what RegisterShellFileTypes wrote. Returns true when anything was removed.
    static bool UnregisterShellFileTypes(const QString& dataHome = DefaultDataHome());

    static QString DefaultDataHome();
    static QString DesktopEntry(const QString& programPath);
    static QString MimePackage();
    // True when the program lies in an installation: PREFIX/bin beside PREFIX/share holding
    // its desktop entry.
    static bool IsInstalledProgram(const QString& programPath);
    // One argument of a desktop entry's Exec line, quoted where its characters need it.
    static QString QuoteExecArgument(const QString& argument);
};
