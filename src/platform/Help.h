#pragma once
// The program's help: numbered topics are HTML pages of our own ("<topic>.html") in the
// help folder, shown in one help window. An unknown topic shows the contents page.

#include <QString>

class QWidget;

namespace Help {

// The help folder the windows pass to HtmlHelp (the data folder's "help").
QString DefaultHelpFile();

// Opens the help window at the topic's page, beside the window that asked (the active
// window when none is given); returns the page shown ("" when the folder has no pages at
// all, in which case the window says so instead of failing). The window keeps a history
// of the pages shown, with Back and Forward.
QString HtmlHelp(const QString& helpFile, int topic, QWidget* asker = nullptr);

// Closes the help window when it is open.
void CloseAll();

// The window, when open (a QTextBrowser; tests look at what it shows).
QWidget* Window();

// The page file a topic resolves to: "<folder>/<topic>.html", else "<folder>/index.html".
QString TopicPage(const QString& helpFile, int topic);

}  // namespace Help
