#pragma once
#include <QString>

// Where Tarvo keeps each user's files and where it reads its card pictures.
struct AppFolders {
    QString data;     // holds projects/ and tmp/
    QString images;   // the card pictures, read only

    friend bool operator==(const AppFolders &, const AppFolders &) = default;
};

// The folders for a Tarvo started from programDir.
//
// An application folder, as run.sh installs one, holds imgs/ beside the
// program and lets Tarvo keep its files there: programDir itself is
// writable, or at least its projects/ and tmp/ are (a shared folder an
// administrator prepared). Then everything stays beside the program.
//
// Anything else is an install shared by every user, such as /usr/bin: each
// user's files go to xdgDataHome/Tarvo (home/.local/share/Tarvo when
// xdgDataHome is empty or not absolute, as the XDG rules say), and the
// pictures are read beside the program if they are there, else from the
// installed share folder, programDir/../share/tarvo/imgs.
AppFolders chooseAppFolders(const QString &programDir, const QString &xdgDataHome, const QString &home);

// The window reads its pictures from data/imgs. When they lie elsewhere,
// data/imgs is made a link to them (and pointed anew when it points to
// other pictures); a real folder there is the user's and stays as it is.
// False, with the reason, when the link cannot be made.
bool linkImages(const AppFolders &folders, QString *error = nullptr);
