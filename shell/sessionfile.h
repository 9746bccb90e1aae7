#pragma once

#include "rules/session.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// A session is kept in the windows' own controls like everything else; these
// read it out of them and write it back.
[[nodiscard]] Session collectSession();
// Writes every text through the controls' own setters, so that the handlers
// derive what follows from them, in an order in which no handler overwrites
// a text written before it: the skill rebuild reruns the maxima, so they come
// after it, and the present values come last. The log is left alone.
void applySession(const Session &session);

// The session file in use and the commands of the main window's file menu.
// A file is in use once it was opened or saved; from then on the main window
// asks before closing over changes not yet saved. Without one, closing is
// as it always was.
class SessionFile : public QObject
{
public:
    // Binds the main window's file commands and close query.
    SessionFile();
    ~SessionFile() override;

    // Reads and checks the whole file before anything changes, then replaces
    // the session in the windows. Raises an error naming the file when it
    // cannot be read, or is no session this program can read.
    void open(const QString &fileName);
    // Ends the edit in the focused field as leaving it would, then writes the
    // session in the windows, replacing the file only once all of it is
    // written. Raises the write error for the name, leaving the file as it
    // was.
    void saveTo(const QString &fileName);

    // The menu's commands.
    void openChosen();
    void save();
    void saveAs();

    // With a file in use and changes not saved in it, asks whether to save
    // them: false for Cancel.
    [[nodiscard]] bool mayDropChanges();
    // Counts the session as changed until it is next opened or saved, even
    // where the windows came back to what the file holds.
    void markChanged() noexcept { m_changed = true; }

    [[nodiscard]] const std::optional<QString> &fileName() const noexcept { return m_fileName; }

    // Asks which file to open or to save to; an empty name cancels. A file
    // dialog unless replaced.
    enum class Choice { Open, Save };
    using FileChooser = std::function<QString(Choice)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

private:
    std::optional<QString> m_fileName;
    // The session as last opened or saved, to tell whether anything changed.
    Session m_saved;
    bool m_changed = false;
    FileChooser m_chooseFile;
};
