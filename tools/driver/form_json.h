#pragma once

#include <QJsonObject>

class WindowModel;

// The state of the form as one JSON object: the shared practice state, every
// control by name with the properties the model holds, and the topic tree.
QJsonObject formToJson(WindowModel& model);
