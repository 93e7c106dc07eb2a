#pragma once

class Ask;
class Output;
class ProjectDocument;

// The plan on paper: Print Plan and Export PDF over the open project. The
// printer and the PDF writer are reached through the output seam, so the
// commands are decided here and tested without a window.
class PlanCommands {
public:
    PlanCommands(const ProjectDocument &document, Ask &ask, Output &output)
        : m_document(document), m_ask(ask), m_output(output)
    {
    }

    void mnuPrintPlan_Click();
    void mnuExportPdf_Click();

private:
    const ProjectDocument &m_document;
    Ask &m_ask;
    Output &m_output;
};
