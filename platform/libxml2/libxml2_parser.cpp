#include "platform/libxml2/libxml2_parser.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>

#include "i18n/xml_parse_error.h"
#include "platform/libxml2/libxml2_blank_text.h"
#include "platform/libxml2/libxml2_document.h"

namespace quirevo {

namespace {

// Substituting entities resolves the internal ones; the external ones are refused one by one
// (getEntity below), and no DTD, network or XInclude is ever loaded. XML_PARSE_HUGE stays off so
// that libxml2's limits on entity expansion hold.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOENT;

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

struct ParserContextFree {
  void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

struct Fault {
  std::string reason;
  int line = 0;
  std::string lineText;
};

// What the callbacks learn during one parse; reached through the context's _private, which
// libxml2 hands on to the contexts it opens for entity contents.
struct ParseState {
  const xmlParserCtxt* document = nullptr;
  std::optional<Fault> refusal = {};
  // A fault inside an entity's text counts lines from the entity's start; the document's own
  // report of it, when there is one, names the line of the file.
  std::optional<Fault> firstFatal = {};
  std::optional<Fault> firstFatalInEntity = {};
  std::optional<Fault> firstNamespaceError = {};
  // Raised without a parser context, such as a failed encoding conversion; the parser's own
  // report that follows it ("Premature end of data") says less.
  std::optional<Fault> firstUnattached = {};
  bool unattachedCameFirst = false;
};

[[noreturn]] void throwFault(const Fault& fault) {
  throw XmlParseError(fault.reason, fault.line, fault.lineText);
}

std::string readFile(const std::string& fileName) {
  const auto cannotRead = [&fileName](int error) {
    return Fault{"Cannot read the file \"" + fileName + "\": " + std::strerror(error), 0, ""};
  };
  // Opened for reading only: a language file is never written.
  const std::unique_ptr<std::FILE, FileClose> file(std::fopen(fileName.c_str(), "rb"));
  if (file == nullptr) {
    throwFault(cannotRead(errno));
  }
  std::string content;
  char buffer[8192];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    content.append(buffer, count);
    if (content.size() > static_cast<std::size_t>(INT_MAX)) {
      throwFault(cannotRead(EFBIG));
    }
  }
  if (std::ferror(file.get()) != 0) {
    throwFault(cannotRead(errno != 0 ? errno : EIO));
  }
  return content;
}

std::string withoutTrailingLineBreak(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

// The line of the input that the parser stands on, already converted to UTF-8 by libxml2.
std::string currentLineText(const xmlParserCtxt* context) {
  if (context == nullptr || context->input == nullptr || context->input->base == nullptr ||
      context->input->cur == nullptr) {
    return {};
  }
  const xmlParserInput& input = *context->input;
  const xmlChar* end = input.end != nullptr ? input.end : input.cur;
  const xmlChar* position = input.cur < end ? input.cur : end;
  const auto isLineBreak = [](xmlChar character) { return character == '\n' || character == '\r'; };
  const xmlChar* start = position;
  while (start > input.base && !isLineBreak(start[-1])) {
    --start;
  }
  const xmlChar* stop = position;
  while (stop < end && *stop != 0 && !isLineBreak(*stop)) {
    ++stop;
  }
  return std::string(reinterpret_cast<const char*>(start), static_cast<std::size_t>(stop - start));
}

int currentLine(const xmlParserCtxt* context) {
  return context != nullptr && context->input != nullptr ? context->input->line : 0;
}

ParseState* stateOf(const xmlParserCtxt* context) {
  return context == nullptr ? nullptr : static_cast<ParseState*>(context->_private);
}

void recordError(void* userData, xmlErrorPtr error) {
  auto* context = static_cast<xmlParserCtxt*>(error->ctxt != nullptr ? error->ctxt : userData);
  ParseState* state = stateOf(context);
  if (state == nullptr) {
    return;
  }
  std::optional<Fault>* slot = nullptr;
  if (error->level == XML_ERR_FATAL) {
    slot = context == state->document ? &state->firstFatal : &state->firstFatalInEntity;
  } else if (error->domain == XML_FROM_NAMESPACE && error->level >= XML_ERR_ERROR) {
    slot = &state->firstNamespaceError;
  }
  if (slot != nullptr && !slot->has_value()) {
    *slot = Fault{withoutTrailingLineBreak(error->message != nullptr ? error->message : ""),
                  error->line, currentLineText(context)};
  }
}

void recordUnattachedError(void* userData, xmlErrorPtr error) {
  auto* state = static_cast<ParseState*>(userData);
  if (error->level >= XML_ERR_ERROR && !state->firstUnattached) {
    // No line text: these come while libxml2 refills its input buffer, when the parser's
    // pointers into it may already be stale.
    state->firstUnattached =
        Fault{withoutTrailingLineBreak(error->message != nullptr ? error->message : ""),
              currentLine(state->document), ""};
    state->unattachedCameFirst = !state->firstFatal;
  }
}

void ignoreGenericError(void*, const char*, ...) {}

// libxml2 sends faults it raises without a parser context to the thread's own handlers, which
// print to stderr; for the parse they go to the parse's state instead.
class UnattachedErrorCapture {
 public:
  explicit UnattachedErrorCapture(ParseState& state)
      : structured_(xmlStructuredError),
        structuredContext_(xmlStructuredErrorContext),
        generic_(xmlGenericError),
        genericContext_(xmlGenericErrorContext) {
    xmlSetStructuredErrorFunc(&state, recordUnattachedError);
    xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
  }
  UnattachedErrorCapture(const UnattachedErrorCapture&) = delete;
  UnattachedErrorCapture& operator=(const UnattachedErrorCapture&) = delete;
  ~UnattachedErrorCapture() {
    xmlSetStructuredErrorFunc(structuredContext_, structured_);
    xmlSetGenericErrorFunc(genericContext_, generic_);
  }

 private:
  xmlStructuredErrorFunc structured_;
  void* structuredContext_;
  xmlGenericErrorFunc generic_;
  void* genericContext_;
};

void refuse(xmlParserCtxt* context, std::string reason) {
  if (ParseState* state = stateOf(context); state != nullptr && !state->refusal) {
    state->refusal = Fault{std::move(reason), currentLine(context), currentLineText(context)};
  }
  xmlStopParser(context);
}

std::string entityName(const xmlChar* name) {
  return reinterpret_cast<const char*>(name);
}

xmlEntity* getEntity(void* userData, const xmlChar* name) {
  xmlEntity* entity = xmlSAX2GetEntity(userData, name);
  if (entity != nullptr && (entity->etype == XML_EXTERNAL_GENERAL_PARSED_ENTITY ||
                            entity->etype == XML_EXTERNAL_GENERAL_UNPARSED_ENTITY)) {
    refuse(static_cast<xmlParserCtxt*>(userData),
           "External entity '" + entityName(name) + "' is not read");
    return nullptr;
  }
  return entity;
}

xmlEntity* getParameterEntity(void* userData, const xmlChar* name) {
  xmlEntity* entity = xmlSAX2GetParameterEntity(userData, name);
  if (entity != nullptr && entity->etype == XML_EXTERNAL_PARAMETER_ENTITY) {
    refuse(static_cast<xmlParserCtxt*>(userData),
           "External parameter entity '%" + entityName(name) + "' is not read");
    return nullptr;
  }
  return entity;
}

}  // namespace

LibXml2Parser::LibXml2Parser() {
  xmlInitParser();
}

std::unique_ptr<XmlDocument> LibXml2Parser::parseFile(const std::string& fileName) {
  const std::string content = readFile(fileName);
  if (content.empty()) {
    // libxml2 makes no parser for no input at all.
    throw XmlParseError("The file is empty", 0, "");
  }
  const std::unique_ptr<xmlParserCtxt, ParserContextFree> context(
      xmlCreateMemoryParserCtxt(content.data(), static_cast<int>(content.size())));
  if (context == nullptr || context->sax == nullptr) {
    throw XmlParseError("The XML parser cannot be started", 0, "");
  }
  ParseState state{.document = context.get()};
  const UnattachedErrorCapture capture(state);
  // Options first: they may reset parts of the SAX handler that the lines below set.
  xmlCtxtUseOptions(context.get(), kParseOptions);
  context->_private = &state;
  context->sax->getEntity = getEntity;
  context->sax->getParameterEntity = getParameterEntity;
  // The structured handler takes the errors instead of libxml2's default print to stderr.
  context->sax->serror = recordError;
  context->sax->initialized = XML_SAX2_MAGIC;

  xmlParseDocument(context.get());
  XmlDocPtr document(context->myDoc);
  context->myDoc = nullptr;

  if (state.refusal) {
    throwFault(*state.refusal);
  }
  if (!context->wellFormed || document == nullptr) {
    if (state.firstUnattached && state.unattachedCameFirst) {
      throwFault(*state.firstUnattached);
    }
    if (state.firstFatal) {
      throwFault(*state.firstFatal);
    }
    if (state.firstFatalInEntity) {
      throwFault(*state.firstFatalInEntity);
    }
    if (state.firstUnattached) {
      throwFault(*state.firstUnattached);
    }
    throwFault(Fault{"The file is not well-formed XML", currentLine(context.get()),
                     currentLineText(context.get())});
  }
  if (!context->nsWellFormed) {
    throwFault(state.firstNamespaceError.value_or(
        Fault{"The file does not use XML namespaces correctly", 0, ""}));
  }
  removeBlankText(*document);
  return std::make_unique<LibXml2Document>(std::move(document));
}

}  // namespace quirevo
