#include "EditorViews.h"

#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "CommandInsertion.h"
#include "CommandPalette.h"
#include "ParamAlert.h"
#include "ParseErrorReport.h"
#include "ui_AngleDialog.h"
#include "ui_ColourDialog.h"
#include "ui_CommandPalette.h"
#include "ui_CommentDialog.h"
#include "ui_CountDialog.h"
#include "ui_DistanceDialog.h"
#include "ui_FileProblemAlert.h"
#include "ui_ParseErrorAlert.h"
#include "ui_ProgramWindow.h"
#include "ui_ShapeDialog.h"
#include "ui_SymmetryDialog.h"

void RegisterEditorViews() {
    RegisterWindowClass<CProgramWindow>(CProgramWindow::class_ID);
    RegisterCommanderViewClass<CTextEditView>(CTextEditView::class_ID);
    RegisterViewClass<CCommandPaletteView>(CCommandPaletteView::class_ID);
    RegisterUiViewResource<Ui::ProgramWindow>(kProgramWindowResource);
    RegisterUiViewResource<Ui::ParseErrorAlert>(kParseErrorAlert);
    RegisterUiViewResource<Ui::CommandPalette>(kCommandPaletteContents);
    RegisterUiViewResource<Ui::DistanceDialog>(kDistanceDialog);
    RegisterUiViewResource<Ui::CountDialog>(kCountDialog);
    RegisterUiViewResource<Ui::AngleDialog>(kAngleDialog);
    RegisterUiViewResource<Ui::ColourDialog>(kColourDialog);
    RegisterUiViewResource<Ui::SymmetryDialog>(kSymmetryDialog);
    RegisterUiViewResource<Ui::ShapeDialog>(kShapeDialog);
    RegisterUiViewResource<Ui::CommentDialog>(kCommentDialog);
    RegisterUiViewResource<Ui::FileProblemAlert>(kFileProblemAlert);
}
