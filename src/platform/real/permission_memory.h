#pragma once

// Where a page keeps the user's answers to sites' requests for a feature, while the program
// runs; the profile keeps them for all its pages.

#include <QUrl>

#include <optional>

class PermissionMemory {
public:
    virtual ~PermissionMemory() = default;
    // The user's answer for the site and feature, none while they have not given one.
    virtual std::optional<bool> permission(const QUrl& origin, int feature) const = 0;
    virtual void rememberPermission(const QUrl& origin, int feature, bool allowed) = 0;
};
