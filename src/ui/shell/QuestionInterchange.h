#pragma once

class QWidget;

namespace tavrin {

class Platform;
struct ProjectState;

// "Import Questions...": asks for a GIFT, Moodle XML, Aiken or CSV file,
// shows what would be imported and why the rest would not, and adds the
// questions only when the author goes on; a cancel or a failure leaves the
// quiz as it was. Errors are thrown to the manager, which reports them.
void ImportQuestions(Platform& platform, ProjectState& state, QWidget* parent);

// "Export Questions...": asks for the file to write; its type (.gift, .xml,
// .csv) chooses the format. Tells the author what the format could not carry.
void ExportQuestions(Platform& platform, ProjectState& state);

} // namespace tavrin
