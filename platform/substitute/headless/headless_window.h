// A dialog window without a screen: its controls are in-memory ones, made the first time the
// dialog's code (or a test acting as the user) asks for them, with the behaviour their template
// gives them, and reporting to the dialog's ControlEvents. Each control is also the user's input
// to it. Base is DialogWindow for a page and SheetWindow for the sheet.
#pragma once

#include "platform/controls/dialog_window.h"
#include "platform/controls/sheet_front_end.h"
#include "platform/substitute/headless/headless_template.h"
#include "platform/substitute/headless/memory_button.h"
#include "platform/substitute/headless/memory_check_list.h"
#include "platform/substitute/headless/memory_combo_box.h"
#include "platform/substitute/headless/memory_cursor.h"
#include "platform/substitute/headless/memory_edit.h"
#include "platform/substitute/headless/memory_list_view.h"
#include "platform/substitute/headless/scripted_file_dialog.h"

#include <map>
#include <memory>

namespace platform {

// What the windows of one headless sheet share: the cursor and the file dialogs.
struct HeadlessDesktop {
    MemoryCursor cursor;
    ScriptedFileDialog fileDialog;
};

template <typename Base> class HeadlessWindow : public Base, public DialogInput {
public:
    HeadlessWindow(HeadlessTemplate facts, WindowHandle handle, ControlEvents& events,
                   HeadlessDesktop& desktop)
        : facts_(std::move(facts)), handle_(handle), events_(events), desktop_(desktop) {}

    uint32_t TemplateId() const { return facts_.templateId; }
    WindowHandle Handle() const override { return handle_; }

    MemoryButton& Button(int controlId) override;
    MemoryEditControl& Edit(int controlId) override;
    MemoryComboBox& ComboBox(int controlId) override;
    MemoryListView& ListView(int controlId) override;
    MemoryCheckList& CheckList(int controlId) override;
    MemoryCursor& Cursor() override { return desktop_.cursor; }
    bool ChooseFile(const FileDialogRequest& request, std::string* path) override {
        return desktop_.fileDialog.Show(handle_, request, path);
    }

    // What the user does: a click on the button controlId.
    void Click(int controlId) { Button(controlId).Click(); }

protected:
    HeadlessDesktop& Desktop() { return desktop_; }

private:
    template <typename Control, typename Make>
    static Control& Find(std::map<int, std::unique_ptr<Control>>& controls, int controlId,
                         Make make);
    ButtonKind KindOf(int controlId) const;

    HeadlessTemplate facts_;
    WindowHandle handle_;
    ControlEvents& events_;
    HeadlessDesktop& desktop_;
    std::map<int, std::unique_ptr<MemoryButton>> buttons_;
    std::map<int, std::unique_ptr<MemoryEditControl>> edits_;
    std::map<int, std::unique_ptr<MemoryComboBox>> comboBoxes_;
    std::map<int, std::unique_ptr<MemoryListView>> listViews_;
    std::map<int, std::unique_ptr<MemoryCheckList>> checkLists_;
};

using HeadlessDialogWindow = HeadlessWindow<DialogWindow>;

} // namespace platform
