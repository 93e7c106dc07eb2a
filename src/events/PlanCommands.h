#pragma once

class Ask;
class Output;
class ProjectDocument;

// The plan on paper and as a picture: Print Plan, Export PDF and Export
// Timeline over the open project. The printer and the file writers are
// reached through the output seam, so the commands are decided here and
// tested without a window.
class PlanCommands {
public:
    PlanCommands(const ProjectDocument &document, Ask &ask, Output &output)
        : m_document(document), m_ask(ask), m_output(output)
    {
    }

    void mnuPrintPlan_Click();
    void mnuExportPdf_Click();
    // A PNG or SVG picture of the timeline, by the chosen name's ending.
    void mnuExportTimeline_Click();

private:
    const ProjectDocument &m_document;
    Ask &m_ask;
    Output &m_output;
};
