#include "platform/engine_warmup.h"

#include <QUrl>
#include <QWebEnginePage>

EngineWarmUp::EngineWarmUp(const QString& address) : m_page(std::make_unique<QWebEnginePage>())
{
    m_page->load(QUrl::fromUserInput(address));
}

EngineWarmUp::~EngineWarmUp() = default;
