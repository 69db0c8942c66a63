#pragma once

// Failures that cross the platform layer. A handler with a failure path catches them.

#include <QString>

#include <stdexcept>
#include <string>

class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

class BrowserError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

class StoreError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

class PrinterError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

class FileError : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// Runs an operation whose failure leaves nothing to report: the window just carries on.
template <class Operation> void ignoreFailure(Operation&& operation)
{
    try {
        operation();
    } catch (const PlatformError&) {
    }
}
