#include "support/fake_file_dialog.h"

#include <utility>

void FakeFileDialog::showSave()
{
    if (offered)
        offered->append(m_fileName);
    const std::optional<QString> answer = answers.isEmpty() ? std::nullopt : answers.takeFirst();
    m_cancelled = !answer;
    m_fileName = answer.value_or(m_fileName);
}

std::unique_ptr<FileDialog> FakeFileDialogFactory::create(QWidget*)
{
    auto dialog = std::make_unique<FakeFileDialog>();
    dialog->answers = std::exchange(answers, {});
    dialog->offered = &offered;
    created.append(dialog.get());
    return dialog;
}
