#include <pugixml.hpp>
#include <sstream>

#include "core/interchange/InterchangeText.h"
#include "core/interchange/QuizExport.h"

namespace tavrin::interchange {
namespace {

// XML 1.0 has no form for most control characters; they are dropped.
std::string XmlSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
            out += c;
    return out;
}

void AddText(pugi::xml_node parent, const char* element, const std::string& text,
             bool withFormat = true) {
    pugi::xml_node node = parent.append_child(element);
    if (withFormat)
        node.append_attribute("format") = "plain_text";
    node.append_child("text").text() = XmlSafe(text).c_str();
}

void AddQuestion(pugi::xml_node quiz, const Question& q) {
    pugi::xml_node question = quiz.append_child("question");
    const bool choice = q.type == QuestionType::MultipleChoice;
    question.append_attribute("type") = choice ? "multichoice" : "shortanswer";
    AddText(question, "name", q.name, false);
    AddText(question, "questiontext", q.text);
    AddText(question, "generalfeedback", q.generalFeedback);
    question.append_child("defaultgrade").text() = "1";
    if (choice) {
        question.append_child("single").text() = "true";
        question.append_child("shuffleanswers").text() = "true";
        question.append_child("answernumbering").text() = "abc";
    } else {
        question.append_child("usecase").text() = "0";
    }
    for (const Answer& a : q.answers) {
        pugi::xml_node answer = question.append_child("answer");
        answer.append_attribute("fraction") = FormatNumber(a.credit).c_str();
        answer.append_attribute("format") = "plain_text";
        answer.append_child("text").text() = XmlSafe(a.text).c_str();
        AddText(answer, "feedback", a.feedback);
    }
}

} // namespace

std::string WriteMoodleXml(const std::vector<Question>& questions) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node quiz = document.append_child("quiz");
    for (const Question& q : questions)
        AddQuestion(quiz, q);
    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return out.str();
}

} // namespace tavrin::interchange
