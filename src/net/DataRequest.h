#pragma once

#include "net/HttpClient.h"
#include "net/HttpResponse.h"

#include <QPointer>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace net {

// A GET whose reply is wanted in memory. Set it up with validate(), then give one handler;
// the handler runs once, on the main thread, after the caller's code has returned.
class DataRequest : public std::enable_shared_from_this<DataRequest> {
public:
    using JsonHandler = std::function<void(const std::optional<nlohmann::json>& value)>;
    using ResponseHandler = std::function<void(const HttpResponse& response)>;

    DataRequest(HttpClient& client, std::string url, HttpHeaders headers);
    DataRequest(const DataRequest&) = delete;
    DataRequest& operator=(const DataRequest&) = delete;

    // Requires a status from 200 to 299.
    DataRequest& validate();
    // Requires one of the given MIME types (parameters such as charset are ignored).
    DataRequest& validate(std::vector<std::string> contentTypes);

    // Starts the transfer; the handler gets the decoded body, or no value on any failure.
    void responseJSON(JsonHandler handler);
    // Starts the transfer; the handler gets the outcome, the body is dropped.
    void response(ResponseHandler handler);
    // A running request then ends with an error.
    void cancel();

    [[nodiscard]] const std::string& url() const { return url_; }

    // Rules applied to a finished reply, kept apart so they can be checked directly.
    [[nodiscard]] static bool contentTypeMatches(const std::string& headerValue,
                                                 const std::vector<std::string>& acceptable);
    // Why a reply fails the validation, or empty when it passes. Like the platform's client,
    // a reply without a content type passes when its body is empty.
    [[nodiscard]] static std::string validationFailure(int statusCode, bool checkStatus,
                                                       const std::string& contentType,
                                                       const std::vector<std::string>& acceptable,
                                                       bool bodyEmpty);
    // An empty body decodes as null after 204 or 205, else as nothing.
    [[nodiscard]] static std::optional<nlohmann::json> decodeBody(int statusCode,
                                                                  const std::string& body);

private:
    // Whether the handler wants the reply's body, or only the response.
    enum class Body { keep, discard };

    void start(Body handling, std::function<void(const HttpResponse&, std::string body)> done);
    void readAvailable();
    void finish();
    void deliverLater(HttpResponse response);

    HttpClient& client_;
    std::string url_;
    HttpHeaders headers_;
    bool checkStatus_ = false;
    std::vector<std::string> contentTypes_;
    bool keepBody_ = false;
    bool started_ = false;
    bool finished_ = false;
    std::string cancelReason_;
    std::string body_;
    std::int64_t bodyBytes_ = 0;
    QPointer<QNetworkReply> reply_;
    std::function<void(const HttpResponse&, std::string body)> done_;
};

} // namespace net
