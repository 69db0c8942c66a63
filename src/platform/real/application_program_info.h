#pragma once

// Program information from the running application.

#include "platform/program_info.h"

class ApplicationProgramInfo : public ProgramInfo {
public:
    QString commandLine() const override;
    QString programDirectory() const override;
    QSize screenSizeTwips(const QWidget* window) const override;
};
