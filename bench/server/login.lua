-- Log-in of one member (form style); every request checks the password's argon2id hash.
-- Counts the log-ins answered with the member's record apart from the refusals ("no": more
-- log-ins waiting for their hash than the server queues).
wrk.method = "POST"
wrk.body = "nick=Bencher&&pw=bench1234&&label0=0"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"

local threads = {}
function setup(thread)
  table.insert(threads, thread)
end

function init(args)
  answered = 0
  refused = 0
end

function response(status, headers, body)
  if string.sub(body, 1, 1) == "$" then
    answered = answered + 1
  else
    refused = refused + 1
  end
end

function done(summary, latency, requests)
  local a, r = 0, 0
  for _, t in ipairs(threads) do
    a = a + t:get("answered")
    r = r + t:get("refused")
  end
  io.write(string.format("log-ins answered: %.1f/s, refused: %d\n",
                         a / (summary.duration / 1e6), r))
end
