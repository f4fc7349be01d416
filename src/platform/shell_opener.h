#pragma once

#include <QString>

// The desktop's "open" verb: a document with its default viewer, or a web address.
class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    // The result is deliberately not reported: a missing viewer is not the game's error.
    virtual void open(const QString& documentOrUrl) = 0;
};

class DesktopShellOpener : public ShellOpener {
  public:
    void open(const QString& documentOrUrl) override;
};

// The maker's web addresses, in one place.
namespace web {
inline const QString kHomePage = QStringLiteral("https://www.tarnwick.example/");
inline const QString kPuzzleIndex =
    QStringLiteral("https://www.tarnwick.example/software/qrw/puzzleindex.htm");
}  // namespace web
