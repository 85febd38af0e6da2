#include "doctemplate.h"

CDocTemplate::CDocTemplate(int nIdResource, const QString& docString)
    : m_nIdResource(nIdResource), m_fields(docString.split('\n')) {}

QString CDocTemplate::GetDocString(DocStringIndex index) const {
  return index < m_fields.size() ? m_fields[index] : QString();
}

QString CDocTemplate::NextUntitledTitle() {
  return GetDocString(docName) + QString::number(++m_nUntitledCount);
}
