#pragma once

// Where a page keeps the user's answers to sites' requests for a feature: until the program
// ends, or for good when the user asks for that; the profile keeps them for all its pages.

#include <QString>
#include <QUrl>

#include <optional>

class PermissionMemory {
public:
    virtual ~PermissionMemory() = default;
    // The user's answer for the site and the feature (named as the question names it), none
    // while they have not given one.
    virtual std::optional<bool> permission(const QUrl& origin, const QString& feature) const = 0;
    virtual void rememberPermission(const QUrl& origin, const QString& feature, bool allowed,
                                    bool lasting) = 0;
};
