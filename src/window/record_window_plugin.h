#pragma once

#include "practice_record.h"

#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <functional>
#include <vector>

class QWidget;

// The 练习记录 window lives in a plugin: its chart library is loaded only when
// a parent opens the window, not at every start of the program.
class RecordWindowPlugin {
public:
    virtual ~RecordWindowPlugin() = default;
    // A window over the record: read() gives its pages newest first, clear()
    // empties it and says whether it could; notice is a line about the file;
    // tabCaptions names the tabs 1, 2, ... that the pages were practised on.
    virtual QWidget* createRecordWindow(QWidget* parent, std::function<std::vector<PracticeEntry>()> read,
                                        std::function<bool()> clear, const QString& notice,
                                        const QStringList& tabCaptions) = 0;
};

#define RecordWindowPlugin_iid "org.tallowby.RecordWindowPlugin/1"
Q_DECLARE_INTERFACE(RecordWindowPlugin, RecordWindowPlugin_iid)
